// The settings labels that zrx prints must be the ones the dialogs show: the
// same texts the language resources give the Option Function and Side Key
// dialogs.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "image/settings_field.h"
#include "image/settings_labels.h"

using namespace zrx;
using F = SettingsField;

namespace {

// Source text -> translation of one dialog in one language resource file.
std::map<std::string, std::string> dialogTexts(const std::string& file, const std::string& dialog) {
    const std::string path = std::string(ZRX_LANGUAGE_RESOURCES) + "/" + file;
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    const auto begin = text.find("<name>" + dialog + "</name>");
    EXPECT_NE(begin, std::string::npos) << dialog << " in " << file;
    const auto end = text.find("</context>", begin);
    std::map<std::string, std::string> texts;
    for (auto at = text.find("<source>", begin); at < end; at = text.find("<source>", at)) {
        at += 8;
        const std::string source = text.substr(at, text.find("</source>", at) - at);
        const auto open = text.find('>', text.find("<translation", at)) + 1;
        texts[source] = text.substr(open, text.find("</translation>", open) - open);
    }
    return texts;
}

TEST(SettingsLabels, AreTheDialogsOwnTextsInEveryLanguage) {
    const struct {
        const char* file;
        Language language;
    } languages[] = {{"Eng.ts", Language::English},
                     {"Chs.ts", Language::SimplifiedChinese},
                     {"Cht.ts", Language::TraditionalChinese}};
    for (const auto& l : languages) {
        SCOPED_TRACE(l.file);
        auto options = dialogTexts(l.file, "Dialog156");
        auto sideKeys = dialogTexts(l.file, "Dialog161");
        EXPECT_EQ(kOptionFunctionCaption.in(l.language), options["Option Function"]);
        EXPECT_EQ(kPttIdCodeLabel.in(l.language), options["PTT ID Code"]);
        EXPECT_EQ(kSideKeyCaption.in(l.language), sideKeys["Side Key"]);
        EXPECT_EQ(kPcbaLabel.in(l.language), dialogTexts(l.file, "Dialog166")["PCBA"]);
        auto form = dialogTexts(l.file, "Dialog101");
        EXPECT_EQ(kModelLabel.in(l.language), form["Model"]);
        EXPECT_EQ(kFrequencyRangeLabel.in(l.language), form["Frequency Range"]);
        for (const SettingsField field : kOptionFunctionFields) {
            const std::string english(fieldLabel(field).english);
            ASSERT_EQ(options.count(english), 1u) << english;
            EXPECT_EQ(fieldLabel(field).in(l.language), options[english]) << english;
        }
        const std::pair<SettingsField, std::string> keys[] = {
            {F::SideKey1Short, sideKeys["Side Key 1"] + " " + sideKeys["Short"]},
            {F::SideKey1Long, sideKeys["Side Key 1"] + " " + sideKeys["Long"]},
            {F::SideKey2Short, sideKeys["Side Key 2"] + " " + sideKeys["Short"]},
            {F::SideKey2Long, sideKeys["Side Key 2"] + " " + sideKeys["Long"]}};
        for (const auto& [field, label] : keys) {
            EXPECT_EQ(fieldLabel(field).in(l.language), label);
        }
    }
}

} // namespace
