// Construction of the preview and its zoom; printing and saving are in preview_printing.cpp.
#include "output/print/ui/preview_window.h"

#include <tuple>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/gui/qt_text.h"
#include "common/ui/accessible_names.h"
#include "common/ui/window_shortcuts.h"
#include "output/page/ui/report_status_window.h"
#include "output/print/preview_zoom.h"
#include "output/print/ui/output_icons.h"
#include "output/print/ui/page_view_widget.h"

namespace qm {
namespace {

constexpr int kDesignFontPixels = 13;
constexpr int kFieldWidth = 56;

QAction* addItem(QMenu* menu, const QString& caption, const char* shortcut = nullptr)
{
    QAction* action = menu->addAction(caption);
    if (shortcut) action->setShortcut(QKeySequence(shortcut));
    return action;
}

}  // namespace

TMyPreview::TMyPreview(PreviewContext& context, const PageFile& page, QWidget* parent)
    : QDialog(parent),
      m_context(context),
      m_page(page)
{
    setWindowTitle("Puzzle Preview");
    setSizeGripEnabled(true);
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    buildToolBar();
    layout->addWidget(m_toolBar);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("PreviewArea");
    m_scroll->setAccessibleName("Page");
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new PageViewWidget(m_page);
    m_view->setObjectName("PageView");
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_view);
    layout->addWidget(m_scroll, 1);

    const ReportSettings& settings = m_context.settings;
    move(settings.ViewingWindowLeft, settings.ViewingWindowTop);
    resize(settings.ViewingWindowWidth, settings.ViewingWindowHeight);
    setZoom(100);
}

TMyPreview::~TMyPreview()
{
    // A field losing the focus while the window goes would reach a window already half gone.
    m_zoomEdit->disconnect(this);
    m_pixels->disconnect(this);
}

void TMyPreview::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu");
    static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);

    QMenu* file = bar->addMenu("&File");
    QAction* print = addItem(file, "&Print Page", "Ctrl+P");
    QAction* copies = addItem(file, "Print &Multiple Copies", "Ctrl+M");
    QAction* pdf = addItem(file, "Save as &PDF...");
    // Ours, beside the PDF: the HTML Export command keeps its one click for the picture's web page.
    QAction* play = addItem(file, "Save as &Interactive Web Page...");
    file->addSeparator();
    QAction* exit = addItem(file, "E&xit", "Ctrl+X");
    connect(print, &QAction::triggered, this, &TMyPreview::PrintPageClick);
    connect(copies, &QAction::triggered, this, &TMyPreview::PrintMultipleCopiesClick);
    connect(pdf, &QAction::triggered, this, &TMyPreview::SavePdfClick);
    connect(play, &QAction::triggered, this, &TMyPreview::PlayPageClick);
    connect(exit, &QAction::triggered, this, &QDialog::reject);

    QMenu* graphic = bar->addMenu("&Graphic Export");
    const std::tuple<const char*, const char*, void (TMyPreview::*)()> exports[] = {
        {"&Windows MetaFile (WMF)", "Ctrl+W", &TMyPreview::WmfClick},
        {"&Enhanced MetaFile (EMF)", "Ctrl+E", &TMyPreview::EmfClick},
        {"Windows &Bitmap (BMP)", "Ctrl+B", &TMyPreview::BitmapClick},
        {"&JPEG (JPG)", "Ctrl+J", &TMyPreview::JpegClick},
        {"&Portable Network Graphics (PNG)", nullptr, &TMyPreview::PngClick},
        {"&Scalable Vector Graphics (SVG)", nullptr, &TMyPreview::SvgClick},
    };
    for (const auto& [caption, shortcut, command] : exports)
        connect(addItem(graphic, caption, shortcut), &QAction::triggered, this, command);
    graphic->addSeparator();
    QAction* factor = addItem(graphic, "JPEG Compression &Factor", "Ctrl+F");
    connect(factor, &QAction::triggered, this, &TMyPreview::JpegFactorClick);
    connect(bar->addAction("&HTML Export"), &QAction::triggered, this, &TMyPreview::HtmlClick);
    connect(bar->addAction("&Text Export"), &QAction::triggered, this, &TMyPreview::TextClick);

    QMenu* view = bar->addMenu("&View");
    QMenu* zoomIn = view->addMenu("Zoom &In");
    QMenu* zoomOut = view->addMenu("Zoom &Out");
    const std::pair<QMenu*, std::pair<const char*, double>> fixedZooms[] = {
        {zoomIn, {"&1 : 1", 100}},   {zoomIn, {"&2 : 1", 200}}, {zoomOut, {"1 : &1", 100}}, {zoomOut, {"1 : &2", 50}},
        {zoomOut, {"1 : &3", 33.3}}, {zoomOut, {"1 : &4", 25}}, {zoomOut, {"1 : &5", 20}},
    };
    for (const auto& [menu, entry] : fixedZooms) {
        const double zoom = entry.second;
        connect(menu->addAction(entry.first), &QAction::triggered, this, [this, zoom] { setZoom(zoom); });
    }
    // The two submenus' keys step the zoom as the tool buttons do.
    auto* stepIn = new QAction(this);
    stepIn->setShortcut(QKeySequence("Ctrl+I"));
    auto* stepOut = new QAction(this);
    stepOut->setShortcut(QKeySequence("Ctrl+O"));
    addAction(stepIn);
    addAction(stepOut);
    connect(stepIn, &QAction::triggered, this, &TMyPreview::SBZoomInClick);
    connect(stepOut, &QAction::triggered, this, &TMyPreview::SBZoomOutClick);
    QAction* pageWidth = addItem(view, "Zoom &Page Width", "Ctrl+Z");
    // Ctrl+W is the metafile export's, which comes first in the menu bar.
    QAction* wholePage = addItem(view, "Zoom &Whole Page");
    connect(pageWidth, &QAction::triggered, this, &TMyPreview::SBZoomPageWidthClick);
    connect(wholePage, &QAction::triggered, this, &TMyPreview::SBZoomPageClick);
}

QAction* TMyPreview::addToolButton(const char* name, const QString& hint, const QString& icon,
                                   void (TMyPreview::*command)())
{
    QAction* action = m_toolBar->addAction(outputIcon(icon), hint);
    action->setObjectName(name);
    action->setToolTip(hint);
    m_toolBar->widgetForAction(action)->setObjectName(name);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void TMyPreview::buildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName("ToolBar");
    nameToolBar(*m_toolBar, "Preview Tools");
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    addToolButton("SBZoomIn", "Zoom In", "zoom_in", &TMyPreview::SBZoomInClick);
    addToolButton("SBZoomOut", "Zoom Out", "zoom_out", &TMyPreview::SBZoomOutClick);
    addToolButton("SBZoomPageWidth", "Zoom Page Width", "zoom_page_width", &TMyPreview::SBZoomPageWidthClick);
    addToolButton("SBZoomPage", "Zoom Whole Page", "zoom_whole_page", &TMyPreview::SBZoomPageClick);
    m_toolBar->addSeparator();
    addToolButton("SBPrint", "Print Page", "print_page", &TMyPreview::PrintPageClick);
    addToolButton("SBSavePdf", "Save as PDF", "save_pdf", &TMyPreview::SavePdfClick);
    m_toolBar->addSeparator();
    addToolButton("SpeedHTML", "Create Web Page", "export_html", &TMyPreview::HtmlClick);
    addToolButton("SpeedBitmap", "Export As Bitmap", "export_bitmap", &TMyPreview::BitmapClick);
    addToolButton("SpeedMeta", "Export As Metafile", "export_metafile", &TMyPreview::WmfClick);
    addToolButton("SpeedJPEG", "Export As JPEG", "export_jpeg", &TMyPreview::JpegClick);
    m_toolBar->addSeparator();

    const auto addField = [this](const QString& caption, const char* name) {
        auto* label = new QLabel(caption, m_toolBar);
        label->setContentsMargins(6, 0, 4, 0);
        m_toolBar->addWidget(label);
        auto* field = new QLineEdit(m_toolBar);
        field->setObjectName(name);
        field->setFixedWidth(kFieldWidth);
        field->setAlignment(Qt::AlignRight);
        label->setBuddy(field);
        m_toolBar->addWidget(field);
        return field;
    };
    m_zoomEdit = addField("Zoom %", "ZoomEdit");
    m_pixels = addField("Pixel Width", "Pixels");
    connect(m_zoomEdit, &QLineEdit::editingFinished, this, &TMyPreview::ZoomEditExit);
    connect(m_pixels, &QLineEdit::editingFinished, this, &TMyPreview::PixelsExit);
    m_toolBar->addSeparator();
    addToolButton("SBDone", "Done", "done", &TMyPreview::SBDoneClick);
}

void TMyPreview::showEvent(QShowEvent* event)
{
    if (!std::exchange(m_shown, true)) {
        // Scaled and in the user fonts, but where the user last left it rather than centred.
        const UiStyle& style = m_context.style;
        scaleFromDesign(*this, style.scale);
        applyUserFonts(*this, style);
        for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(font());
        for (QLineEdit* field : {m_zoomEdit, m_pixels}) field->setFixedWidth(style.scaled(kFieldWidth));
        const int icon = style.scaled(22);
        m_toolBar->setIconSize(QSize(icon, icon));
        giveShortcutsToWindow(*this);
        fitToolBar();
    }
    QDialog::showEvent(event);
}

void TMyPreview::fitToolBar()
{
    // The stored width may be too narrow for the tool bar, which would hide its last buttons
    // (Done, Pixel Width) behind its overflow: the window widens, as far as the screen allows.
    int wanted = m_toolBar->sizeHint().width();
    if (const QScreen* shown = screen()) wanted = std::min(wanted, shown->availableGeometry().width());
    if (width() < wanted) resize(wanted, height());
}

void TMyPreview::done(int result)
{
    ReportSettings& settings = m_context.settings;
    settings.ViewingWindowLeft = x();
    settings.ViewingWindowTop = y();
    settings.ViewingWindowWidth = width();
    settings.ViewingWindowHeight = height();
    QDialog::done(result);
}

double TMyPreview::zoom() const { return m_view->zoom(); }
int TMyPreview::pixelWidth() const { return m_view->pagePixelWidth(); }

void TMyPreview::setZoom(double zoom)
{
    m_view->setZoom(zoom);
    m_zoomEdit->setText(QString::fromStdString(zoomText(m_view->zoom())));
    m_pixels->setText(QString::number(m_view->pagePixelWidth()));
}

void TMyPreview::SBDoneClick() { accept(); }
void TMyPreview::SBZoomInClick() { setZoom(nextZoomIn(zoom())); }
void TMyPreview::SBZoomOutClick() { setZoom(nextZoomOut(zoom())); }
void TMyPreview::SBZoomPageWidthClick() { setZoom(zoomToFillView(false)); }
void TMyPreview::SBZoomPageClick() { setZoom(zoomToFillView(true)); }

double TMyPreview::zoomToFillView(bool wholePage) const
{
    // The view without scroll bars: the page that fits needs none.
    const QSize view = m_scroll->maximumViewportSize();
    const double dpi = m_view->dotsPerInch();
    const double byWidth = zoomToFill(view.width(), m_page.size.width, dpi);
    return wholePage ? std::min(byWidth, zoomToFill(view.height(), m_page.size.height, dpi)) : byWidth;
}

void TMyPreview::ZoomEditExit()
{
    if (const auto typed = typedZoom(toRecordText(m_zoomEdit->text()), zoom()))
        setZoom(*typed);
    else
        m_zoomEdit->setText(QString::fromStdString(zoomText(zoom())));
}

void TMyPreview::PixelsExit()
{
    const int shown = pixelWidth();
    const auto typed = typedPixelWidth(toRecordText(m_pixels->text()), shown, m_page.size.width, m_view->dotsPerInch());
    if (typed)
        setZoom(zoomForPagePixels(*typed, m_page.size.width, m_view->dotsPerInch()));
    else
        m_pixels->setText(QString::number(shown));
}

void runPreview(QWidget* parent, PreviewContext& context, const PageFile& page)
{
    TMyPreview preview(context, page, parent);
    preview.exec();
}

void previewReport(QWidget* parent, PreviewContext& context, const ReportJob& job)
{
    const std::optional<PageFile> page = makePageWithStatus(parent, context.dialogs, context.style, job);
    if (page) runPreview(parent, context, *page);
}

}  // namespace qm
