#pragma once

// The words of a PDF with their boxes, as poppler's `pdftotext -bbox` reads
// them (poppler-utils): what a printed page shows, and where.

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

struct PdfWord {
    std::string text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

struct PdfWords {
    int pages = 0;
    double pageWidth = 0;
    double pageHeight = 0;
    std::vector<PdfWord> words;
    std::string error; // empty when the file was read
};

namespace pdf_words_detail {

inline std::string unescape(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1)) {
            text.replace(at, std::char_traits<char>::length(entity), plain);
        }
    }
    return text;
}

} // namespace pdf_words_detail

// Reads `path` (points, y growing downwards from the top of the page).
inline PdfWords readPdfWords(const std::string& path) {
    PdfWords result;
    const std::string command = "pdftotext -bbox '" + path + "' - 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        result.error = "cannot run pdftotext";
        return result;
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    if (::pclose(pipe) != 0) {
        result.error = "pdftotext (poppler-utils) failed on " + path + ": " + output;
        return result;
    }
    static const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    static const std::regex word(R"re(<word xMin="([0-9.-]+)" yMin="([0-9.-]+)" )re"
                                 R"re(xMax="([0-9.-]+)" yMax="([0-9.-]+)">([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(output.begin(), output.end(), page);
         it != std::sregex_iterator(); ++it) {
        ++result.pages;
        result.pageWidth = std::stod((*it)[1]);
        result.pageHeight = std::stod((*it)[2]);
    }
    for (auto it = std::sregex_iterator(output.begin(), output.end(), word);
         it != std::sregex_iterator(); ++it) {
        result.words.push_back(PdfWord{pdf_words_detail::unescape((*it)[5]), std::stod((*it)[1]),
                                       std::stod((*it)[2]), std::stod((*it)[3]),
                                       std::stod((*it)[4])});
    }
    return result;
}
