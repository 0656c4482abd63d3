// Builds Default.sin, the factory default channel data file, from the
// channel texts of default_channels.csv: a new image (default settings,
// first Model and Frequency Range entries) with the sixteen channels encoded
// exactly as the channel table would encode them.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "image/channel_codec.h"
#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/new_image.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_default_sin CHANNELS.csv OUT.sin\n";
        return 1;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    zrx::RadioImage image = zrx::makeNewImage();
    image.setByte(zrx::layout::kModelIndex, 0);
    image.setByte(zrx::layout::kRangeIndex, 0);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string channelText;
        std::getline(fields, channelText, ',');
        const int channel = std::stoi(channelText);
        zrx::ChannelTexts texts;
        for (auto& text : texts) {
            std::getline(fields, text, ',');
        }
        if (channel < 1 || channel > zrx::layout::kChannelCount || texts.back().empty()) {
            std::cerr << argv[1] << ":" << lineNumber << ": bad channel line\n";
            return 1;
        }
        zrx::encodeChannel(image, channel, texts);
    }
    const zrx::FileResult result = zrx::saveChannelDataFile(argv[2], image);
    if (!result) {
        std::cerr << zrx::describe(result, argv[2]) << "\n";
        return 1;
    }
    return 0;
}
