#include "CRPanel.h"

#include "DisplayText.h"
#include "QtColor.h"
#include "WindowTimer.h"

#include <QEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTimer>

using credits::BgrColor;
using credits::TextStyle;

namespace {

// Qt measures screens in dots per inch, pictures in dots per metre.
constexpr double kMetresPerInch = 0.0254;

int styleIndex(TextStyle style)
{
    return (style.bold ? 1 : 0) | (style.italic ? 2 : 0) | (style.underline ? 4 : 0);
}

} // namespace

TCRPanel::TCRPanel(QWidget* parent)
    : QWidget(parent)
    , beginColor_(toQColor(0x00FF7171))
    , endColor_(toQColor(0x0080FFFF))
    , color_(Qt::black)
    , ScrollTimer(new QTimer(this))
{
    // Every pixel comes from the frame buffer, so nothing behind the panel needs drawing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    ScrollTimer->setObjectName("ScrollTimer");
    setWindowTimerInterval(*ScrollTimer, interval_);
    // A frame step fails nowhere: it only moves the lines and draws them.
    connect(ScrollTimer, &QTimer::timeout, this, &TCRPanel::ScrollTimerTimer);
    ResetScroll();
    composeFrame();
}

void TCRPanel::setStrings(const QStringList& lines)
{
    strings_ = lines;
    lines_.clear();
    for (const QString& line : lines)
        lines_.push_back(line.toStdString());
    ResetScroll();
    composeFrame();
}

void TCRPanel::appendLine(const QString& line)
{
    strings_.append(line);
    lines_.push_back(line.toStdString());
    ResetScroll();
    composeFrame();
}

void TCRPanel::setActive(bool active)
{
    active_ = active;
    ResetScroll();
    followActiveAndInterval();
    composeFrame();
}

void TCRPanel::setBeginColor(const QColor& color)
{
    beginColor_ = color;
    composeFrame();
}

void TCRPanel::setEndColor(const QColor& color)
{
    endColor_ = color;
    composeFrame();
}

void TCRPanel::setUseGradient(bool use)
{
    useGradient_ = use;
    composeFrame();
}

void TCRPanel::setInterval(int milliseconds)
{
    interval_ = milliseconds;
    followActiveAndInterval();
}

void TCRPanel::setGlyph(const QImage& picture)
{
    glyph_ = picture;
    ResetScroll();
    composeFrame();
}

void TCRPanel::setDrawGlyph(bool draw)
{
    drawGlyph_ = draw;
    composeFrame();
}

void TCRPanel::setGlyphDrawType(TGlyphDrawType type)
{
    glyphDrawType_ = type;
    composeFrame();
}

void TCRPanel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    composeFrame();
}

void TCRPanel::setColor(const QColor& color)
{
    color_ = color;
    ResetScroll();
    composeFrame();
}

void TCRPanel::ScrollTimerTimer()
{
    if (inPaint_ || !showsText())
        return;
    const QScopedValueRollback<bool> painting(inPaint_, true);
    scroll_.Step(lines_.size());
    composeFrame();
}

void TCRPanel::followActiveAndInterval()
{
    if (active_ && interval_ > 0) {
        setWindowTimerInterval(*ScrollTimer, interval_);
        ScrollTimer->start();
    } else {
        ScrollTimer->stop();
    }
}

void TCRPanel::ResetScroll()
{
    if (!bufferFitsPanel())
        ResizeBuffer();
    fonts_.clear();
    for (int index = 0; index < 8; ++index) {
        QFont styled = font();
        styled.setBold(index & 1);
        styled.setItalic(index & 2);
        styled.setUnderline(index & 4);
        fonts_.push_back({styled, QFontMetrics(styled, this), {}});
    }
    scroll_.ResetScroll(height(), fonts_.front().metrics.height());
    markup_ = {TextStyle{}, fontColor()};
}

void TCRPanel::ResizeBuffer()
{
    const qreal ratio = devicePixelRatioF();
    frameBuffer_ = QImage(size() * ratio, QImage::Format_RGB32);
    frameBuffer_.setDevicePixelRatio(ratio);
    // Text in the buffer gets the size it would have on the panel itself.
    frameBuffer_.setDotsPerMeterX(qRound(logicalDpiX() / kMetresPerInch));
    frameBuffer_.setDotsPerMeterY(qRound(logicalDpiY() / kMetresPerInch));
}

bool TCRPanel::bufferFitsPanel() const
{
    return frameBuffer_.deviceIndependentSize().toSize() == size()
        && frameBuffer_.devicePixelRatio() == devicePixelRatioF();
}

bool TCRPanel::showsText() const
{
    return active_ && !lines_.empty();
}

void TCRPanel::composeFrame()
{
    update();
    if (frameBuffer_.isNull())
        return;
    QPainter painter(&frameBuffer_);
    const QRect client = rect();
    painter.fillRect(client, color_);
    if (!showsText())
        return;
    drawBackground(painter, client);
    for (const credits::RowPlace& row : scroll_.Rows(lines_.size()))
        drawRow(painter, row);
}

void TCRPanel::drawBackground(QPainter& painter, const QRect& client)
{
    if (!drawGlyph_)
        return;
    if (glyphDrawType_ == dgTile)
        DrawBitmapRect(painter, glyph_, client);
    else
        painter.drawImage(client, glyph_);
}

void TCRPanel::DrawBitmapRect(QPainter& painter, const QImage& bitmap, const QRect& rect)
{
    // Without width or height the steps below would never advance.
    if (bitmap.width() <= 0 || bitmap.height() <= 0)
        return;
    painter.save();
    painter.setClipRect(rect);
    for (int y = rect.top(); y <= rect.bottom(); y += bitmap.height())
        for (int x = rect.left(); x <= rect.right(); x += bitmap.width())
            painter.drawImage(x, y, bitmap);
    painter.restore();
}

void TCRPanel::drawRow(QPainter& painter, const credits::RowPlace& row)
{
    const std::string& line = lines_[row.line];
    const int lineWidth = laidOut(fontFor(markup_.style), credits::StripTags(line)).width;
    int x = credits::LineStartX(lineAlignment(), width(), lineWidth);

    credits::RowColouring colouring{fontColor(), std::nullopt};
    if (useGradient_)
        colouring.gradient = credits::GradientColor(fromQColor(beginColor_), fromQColor(endColor_),
                                                    row.position, scroll_.RowCount);
    for (const credits::TextPiece& piece : credits::ConsumeLine(line, markup_, colouring)) {
        StyledFont& styled = fontFor(piece.style);
        const LaidOutText& text = laidOut(styled, piece.text);
        painter.setFont(styled.font);
        painter.setPen(toQColor(piece.color));
        // The row's y is the top of its text.
        painter.drawStaticText(x, row.y, text.text);
        x += text.width;
    }
}

TCRPanel::StyledFont& TCRPanel::fontFor(TextStyle style)
{
    return fonts_[static_cast<std::size_t>(styleIndex(style))];
}

const TCRPanel::LaidOutText& TCRPanel::laidOut(StyledFont& styled, std::string_view bytes)
{
    if (const auto found = styled.texts.find(bytes); found != styled.texts.end())
        return found->second;
    const QString text = displayText(bytes);
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), styled.font);
    return styled.texts.emplace(bytes, LaidOutText{laid, styled.metrics.horizontalAdvance(text)}).first->second;
}

BgrColor TCRPanel::fontColor() const
{
    return fromQColor(palette().color(QPalette::WindowText));
}

credits::LineAlignment TCRPanel::lineAlignment() const
{
    if (alignment_ & Qt::AlignRight)
        return credits::LineAlignment::Right;
    if (alignment_ & Qt::AlignHCenter)
        return credits::LineAlignment::Centre;
    return credits::LineAlignment::Left;
}

void TCRPanel::paintEvent(QPaintEvent*)
{
    // On a screen of another pixel density the same frame is composed again, sharp there.
    if (!bufferFitsPanel()) {
        ResizeBuffer();
        composeFrame();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, frameBuffer_);
}

void TCRPanel::resizeEvent(QResizeEvent*)
{
    ResizeBuffer();
    ResetScroll();
    composeFrame();
}

void TCRPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        ResetScroll();
        composeFrame();
    }
}

void TCRPanel::mousePressEvent(QMouseEvent*)
{
    emit mousePressed();
}

void TCRPanel::mouseReleaseEvent(QMouseEvent*)
{
    emit mouseReleased();
}
