#pragma once

#include <string>
#include <vector>

// The text of each page of a PDF file as poppler's pdftotext reads it (UTF-8); empty when the
// file cannot be read as a PDF.
std::vector<std::string> PdfPageTexts(const std::string& path);
// The page size in points as pdfinfo reports it for the first page; {0, 0} when unreadable.
struct PdfPageSize
{
    double width = 0;
    double height = 0;
};
PdfPageSize ReadPdfPageSize(const std::string& path);
// Whether the page holds "n / N": pdftotext may drop the narrow blanks around the slash.
bool HasPageNumber(const std::string& page, int number, int count);
