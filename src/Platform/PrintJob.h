#pragma once

#include <memory>
#include <string>
#include <vector>

class CWnd;
class IPrintDocument;
class PrintJobState;

// The texts of the preview's PDF button, of the save dialog it opens and of a failed write.
struct PrintTexts
{
    std::u16string savePdf;
    std::u16string pdfTitle;
    std::u16string pdfFilter; // "PDF files (*.pdf)|*.pdf||"
    std::u16string pdfFailed;
};

// Prints a document: a preview from which the user prints on the chosen printer or saves a PDF.
// The sheet turns landscape when the document asks for it.
class CPrintJob
{
public:
    // The name is the job's and the suggested PDF file's.
    CPrintJob(IPrintDocument& document, std::u16string name, CWnd* parent);
    ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    // A printer the print system knows; otherwise, or with an empty name, its default. The sheet
    // turns to landscape on it when the document asks for that.
    void SetPrinter(const std::u16string& name);
    void Preview(const PrintTexts& texts);
    // Writes the document to a PDF file (the old file stays whole until the new one is done);
    // false when it cannot be written.
    bool WritePdf(const std::u16string& path);
    // Asks for the PDF file and writes it, telling the user when it cannot be written; false when
    // cancelled or failed.
    bool SavePdf(const PrintTexts& texts);

private:
    IPrintDocument& m_document;
    std::u16string m_name;
    CWnd* m_parent;
    std::u16string m_printerName;
    std::unique_ptr<PrintJobState> m_state;
};

// While installed, previews do not appear: each is recorded and answered with the choice.
// Print sends the sheets to the PDF file given here instead of the printer; SavePdf goes on to
// the save dialog as the preview's button does.
class PrintResponder
{
public:
    enum class Choice
    {
        Print,
        SavePdf,
        Close,
    };
    struct Request
    {
        std::u16string document;
        std::u16string printer;
        bool landscape = false;
        int sheets = 0;
    };

    explicit PrintResponder(Choice choice, std::u16string printerOutput = {});
    ~PrintResponder();
    PrintResponder(const PrintResponder&) = delete;
    PrintResponder& operator=(const PrintResponder&) = delete;

    static PrintResponder* Current();
    Choice GetChoice() const { return m_choice; }
    const std::u16string& PrinterOutput() const { return m_printerOutput; }
    void Record(Request request) { m_requests.push_back(std::move(request)); }
    const std::vector<Request>& Requests() const { return m_requests; }

private:
    Choice m_choice;
    std::u16string m_printerOutput;
    std::vector<Request> m_requests;
    PrintResponder* m_previous;
};
