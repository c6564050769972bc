#include "ui/output/QtPrintLayer.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <algorithm>
#include <array>

#include "ui/common/MarkFont.h"
#include "ui/output/PrinterError.h"

namespace moxlet::ui {

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kDesignWidth = 8.0 * 1440;  // the printable area the layout was made for
constexpr double kDesignHeight = 10.5 * 1440;
// Ink may reach a little past a glyph's advance (the hook of a "j" at the
// start of a line): the text area keeps this much inside the printable
// area's left and right edges.
constexpr double kInset = 60;
constexpr double kDescent = 0.25;        // of an em, between the baseline and the line's foot
constexpr double kMostCondensed = 0.75;  // narrower than this, a text is set smaller too

// How often each lowercase letter (a..z) and the space occur in 1000
// characters of English text: the weights of the classic average character.
constexpr std::array<int, 27> kLetterWeights = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                                56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};

}  // namespace

QtPrintLayer::QtPrintLayer(QPrinter& printer) : printer_(printer)
{
    font_ = MarkFont::font();
    font_.setPixelSize(12 * static_cast<int>(kTwipsPerPoint));
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_.setKerning(false);
    // No ligatures: a PDF's text layer has no letters for an "fl" or "ffi"
    // glyph, so "flag" would read "ag" to a search, a copy or a screen
    // reader.  Qt shapes without them once any letter spacing is set;
    // 100 percent leaves the letters where they were.
    font_.setLetterSpacing(QFont::PercentageSpacing, 100);
}

QtPrintLayer::~QtPrintLayer()
{
    if (painter_.isActive()) painter_.end();
}

void QtPrintLayer::begin()
{
    if (!painter_.begin(&printer_)) throw PrintFailure(beginFailureNumber(printer_), "cannot begin printing");
    const double dpi = printer_.resolution();
    const QRectF area = printer_.pageLayout().paintRectPixels(static_cast<int>(dpi));
    const double widthTwips = area.width() * 1440 / dpi;
    const double heightTwips = area.height() * 1440 / dpi;
    const double fit = std::min({1.0, widthTwips / kDesignWidth, heightTwips / kDesignHeight});
    painter_.scale(dpi / 1440 * fit, dpi / 1440 * fit);
    painter_.translate(kInset, 0);
    pageWidth_ = widthTwips / fit - 2 * kInset;
    pageHeight_ = heightTwips / fit;
    x_ = y_ = 0;
    drawnOnPage_ = false;
    pages_ = 1;
    drawn_.clear();
}

void QtPrintLayer::abort()
{
    if (!painter_.isActive()) return;
    printer_.abort();
    painter_.end();
}

void QtPrintLayer::setFontName(const std::string&)
{
    // Every printout uses "Quillory Print", which the mark font stands for.
    font_.setFamily(MarkFont::font().family());
}

void QtPrintLayer::setFontSize(int points)
{
    font_.setPixelSize(std::max(1, points) * static_cast<int>(kTwipsPerPoint));
}

void QtPrintLayer::setBold(bool on) { font_.setBold(on); }
void QtPrintLayer::setUnderline(bool on) { font_.setUnderline(on); }

double QtPrintLayer::columnWidth() const
{
    const auto key = std::make_pair(font_.pixelSize(), font_.bold());
    auto it = columnWidths_.find(key);
    if (it != columnWidths_.end()) return it->second;
    const QFontMetricsF metrics(font_, painter_.isActive() ? painter_.device() : &printer_);
    double sum = 0;
    int weights = 0;
    for (std::size_t i = 0; i < kLetterWeights.size(); ++i) {
        const QChar c = i < 26 ? QChar(static_cast<char16_t>(u'a' + i)) : QChar(u' ');
        sum += kLetterWeights[i] * metrics.horizontalAdvance(c);
        weights += kLetterWeights[i];
    }
    return columnWidths_[key] = sum / weights;
}

double QtPrintLayer::textWidth(const std::string& text) const
{
    const QFontMetricsF metrics(font_, painter_.isActive() ? painter_.device() : &printer_);
    return metrics.horizontalAdvance(QString::fromStdString(text));
}

QRectF QtPrintLayer::printableArea() const
{
    return QRectF(-kInset, 0, pageWidth_ + 2 * kInset, pageHeight_);
}

double QtPrintLayer::columnX(int n) const { return (std::max(n, 1) - 1) * columnWidth(); }

void QtPrintLayer::beginMeasuring()
{
    measuring_ = true;
    measureX_ = x_;
    measureY_ = y_;
}

double QtPrintLayer::endMeasuring()
{
    const double height = y_ - measureY_ + (x_ > 0 ? lineHeight() : 0);
    measuring_ = false;
    x_ = measureX_;
    y_ = measureY_;
    return height;
}

void QtPrintLayer::startPageIfFull()
{
    if (drawnOnPage_ && y_ + lineHeight() > pageHeight_) {
        if (!printer_.newPage()) throw PrintFailure(kPrinterFault, "cannot start a page");
        ++pages_;
        ++automaticBreaks_;
        y_ = 0;
        drawnOnPage_ = false;
    }
}

void QtPrintLayer::print(const std::string& text, LineEnd end) { printFitted(text, pageWidth_, end); }

void QtPrintLayer::printFitted(const std::string& text, double width, LineEnd end)
{
    if (!text.empty()) {
        const double natural = textWidth(text);
        const double room = std::max(0.0, std::min(width, pageWidth_ - x_));
        if (!measuring_) {
            startPageIfFull();
            draw(QString::fromStdString(text), natural, room);
        }
        x_ += std::min(natural, room);
        atColumn_ = false;
    }
    if (end == LineEnd::End) lineEnd();
}

void QtPrintLayer::draw(const QString& text, double width, double room)
{
    // Too wide: condensed to fit, and set smaller as well when condensing
    // alone would make it hard to read.  Either way it sits on the baseline.
    const double fit = width > room && width > 0 ? room / width : 1.0;
    const double condense = std::max(kMostCondensed, fit);
    const double smaller = fit / condense;
    const QPointF at(x_, y_ + lineHeight() - kDescent * em());
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    if (fit < 1) {
        painter_.save();
        painter_.translate(at);
        painter_.scale(fit, smaller);
        painter_.drawText(QPointF(0, 0), text);
        painter_.restore();
    } else {
        painter_.drawText(at, text);
    }
    drawnOnPage_ = true;
    if (keepDrawn_) {
        const QRectF ink = QFontMetricsF(font_, painter_.device()).tightBoundingRect(text);
        if (!ink.isEmpty())
            drawn_.push_back({pages_,
                              QRectF(at.x() + ink.x() * fit, at.y() + ink.y() * smaller, ink.width() * fit,
                                     ink.height() * smaller),
                              text, atColumn_});
    }
}

void QtPrintLayer::toColumn(int n)
{
    const double target = columnX(n);
    if (x_ > target + 0.5) lineEnd();
    x_ = target;
    atColumn_ = true;
}

void QtPrintLayer::newPage()
{
    if (measuring_) return;
    if (!printer_.newPage()) throw PrintFailure(kPrinterFault, "cannot start a page");
    ++pages_;
    x_ = y_ = 0;
    drawnOnPage_ = false;
}

void QtPrintLayer::endDocument()
{
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error)
        throw PrintFailure(printer_.outputFormat() == QPrinter::PdfFormat ? kFileNotWritable : kPrinterFault,
                           "cannot end the document");
}

}  // namespace moxlet::ui
