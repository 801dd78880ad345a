#include "PrintJob.h"

#include "AtomicFile.h"
#include "Dc.h"
#include "FileDialog.h"
#include "GdiAccess.h"
#include "MessageBox.h"
#include "PrintDocument.h"
#include "Printers.h"
#include "QtBridge.h"
#include "Wnd.h"
#include "WinApp.h"

#include <QAction>
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

#include <algorithm>
#include <filesystem>

namespace {
PrintResponder* g_responder = nullptr;
constexpr double kScreenDpi = 96.0;
constexpr double kMarginMillimetres = 12.0;

// Lays the document out on the device's sheet and paints every sheet; returns how many were
// painted (0 when the device cannot be painted on).
int Render(IPrintDocument& document, QPagedPaintDevice& device, int resolution)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    // Lines one screen pixel wide must not vanish where a preview shrinks the sheet.
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = resolution / kScreenDpi;
    painter.scale(scale, scale);
    const QRect paint = device.pageLayout().paintRectPixels(resolution);
    const CSize area(static_cast<int>(paint.width() / scale), static_cast<int>(paint.height() / scale));
    const int sheets = std::max(1, document.Paginate(area));
    {
        CDC dc;
        GdiAccess::AttachPainter(dc, &painter, QSize(area.cx, area.cy));
        for (int sheet = 0; sheet < sheets; ++sheet) {
            if (sheet > 0)
                device.newPage();
            painter.save();
            document.PaintSheet(dc, CRect(0, 0, area.cx, area.cy), sheet);
            painter.restore();
        }
    }
    painter.end();
    return sheets;
}

// A name that can stand as a file name.
std::u16string FileNameOf(std::u16string name)
{
    std::replace_if(
        name.begin(), name.end(), [](char16_t c) { return std::u16string_view(u"/\\:*?\"<>|").find(c) != std::u16string_view::npos; },
        u'_');
    return name + u".pdf";
}
}

class PrintJobState
{
public:
    QPrinter printer { QPrinter::HighResolution };
    bool landscape = false;

    // Writes the sheets as a PDF on the printer's page layout; the number of sheets, 0 on failure.
    int RenderPdf(IPrintDocument& document, QIODevice& output)
    {
        QPdfWriter writer(&output);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(printer.docName());
        return Render(document, writer, writer.resolution());
    }
};

CPrintJob::CPrintJob(IPrintDocument& document, std::u16string name, CWnd* parent)
    : m_document(document)
    , m_name(std::move(name))
    , m_parent(parent)
{
    EnsureToolkit();
    m_state = std::make_unique<PrintJobState>();
    m_state->printer.setDocName(ToQString(m_name));
    SetPrinter({});
}

CPrintJob::~CPrintJob() = default;

void CPrintJob::SetPrinter(const std::u16string& name)
{
    const std::vector<std::u16string> known = EnumPrinterNames();
    const bool chosen = !name.empty() && std::find(known.begin(), known.end(), name) != known.end();
    m_printerName = chosen ? name : GetDefaultPrinterName();
    QPrinter& printer = m_state->printer;
    if (!m_printerName.empty())
        printer.setPrinterName(ToQString(m_printerName));
    // The sheet is the printer's paper, so margins and orientation follow the printer.
    printer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    QPageLayout portrait = printer.pageLayout();
    portrait.setOrientation(QPageLayout::Portrait);
    const QRect area = portrait.paintRectPixels(static_cast<int>(kScreenDpi));
    m_state->landscape = m_document.PrefersLandscape(CSize(area.width(), area.height()));
    printer.setPageOrientation(m_state->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool CPrintJob::WritePdf(const std::u16string& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (m_state->RenderPdf(m_document, buffer) == 0)
        return false;
    const QByteArray& bytes = buffer.data();
    return WriteFileAtomically(std::filesystem::path(path), std::string_view(bytes.constData(), bytes.size()));
}

bool CPrintJob::SavePdf(const PrintTexts& texts)
{
    CFileDialog dialog(false, u"pdf", FileNameOf(m_name), texts.pdfFilter, m_parent);
    dialog.SetTitle(texts.pdfTitle);
    if (dialog.DoModal() != IDOK)
        return false;
    if (WritePdf(dialog.GetPathName()))
        return true;
    AfxMessageBox(texts.pdfFailed, MB_OK | MB_ICONERROR);
    return false;
}

void CPrintJob::Preview(const PrintTexts& texts)
{
    ReleaseCapture();
    if (PrintResponder* responder = PrintResponder::Current()) {
        QBuffer shown;
        shown.open(QIODevice::WriteOnly);
        responder->Record({ m_name, m_printerName, m_state->landscape, m_state->RenderPdf(m_document, shown) });
        if (responder->GetChoice() == PrintResponder::Choice::Print)
            WritePdf(responder->PrinterOutput());
        else if (responder->GetChoice() == PrintResponder::Choice::SavePdf)
            SavePdf(texts);
        return;
    }
    QPrintPreviewDialog dialog(&m_state->printer, ParentWidgetOf(m_parent));
    dialog.setWindowTitle(ToQString(m_name));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
        [this](QPrinter* printer) { Render(m_document, *printer, printer->resolution()); });
    if (QToolBar* bar = dialog.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(ToQString(texts.savePdf));
        QObject::connect(pdf, &QAction::triggered, [this, &texts] { SavePdf(texts); });
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.resize(screen->availableSize() * 0.9);
    dialog.exec();
}

PrintResponder::PrintResponder(Choice choice, std::u16string printerOutput)
    : m_choice(choice)
    , m_printerOutput(std::move(printerOutput))
    , m_previous(g_responder)
{
    g_responder = this;
}

PrintResponder::~PrintResponder()
{
    g_responder = m_previous;
}

PrintResponder* PrintResponder::Current()
{
    return g_responder;
}
