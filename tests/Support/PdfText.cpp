#include "PdfText.h"

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>

namespace {
std::string Output(const std::string& command)
{
    std::string text;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return text;
    std::array<char, 4096> buffer {};
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        text.append(buffer.data(), read);
    return text;
}

std::string Quoted(const std::string& path)
{
    std::string quoted = "'";
    for (char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
}

std::vector<std::string> PdfPageTexts(const std::string& path)
{
    const std::string text = Output("pdftotext -enc UTF-8 " + Quoted(path) + " - 2>/dev/null");
    std::vector<std::string> pages;
    std::size_t start = 0;
    // Each page ends in a form feed.
    for (std::size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', start)) {
        pages.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    return pages;
}

bool HasPageNumber(const std::string& page, int number, int count)
{
    std::string packed;
    for (char c : page) {
        if (c != ' ')
            packed += c;
    }
    return packed.find("\n" + std::to_string(number) + "/" + std::to_string(count) + "\n") != std::string::npos;
}

PdfPageSize ReadPdfPageSize(const std::string& path)
{
    std::istringstream info(Output("pdfinfo " + Quoted(path) + " 2>/dev/null"));
    PdfPageSize size;
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("Page size:", 0) == 0) {
            std::istringstream fields(line.substr(10));
            std::string by;
            fields >> size.width >> by >> size.height;
        }
    }
    return size;
}
