#pragma once

#include "CreditsMarkup.h"
#include "CreditsScroll.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QStaticText>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QTimer;

// A panel that scrolls lines of marked-up text (see CreditsMarkup.h) slowly upward without
// end: the about window's credits. The text is drawn in the font's colour (the palette's text
// colour) and the colour tags, or in a vertical gradient, over `Color` or a picture that is
// stretched or tiled.
//
// The scroll timer alone moves the text, one logical pixel per tick; each tick composes a whole
// frame in an off-screen buffer at the screen's pixel density and asks for it to be shown.
// Painting only shows the buffer, so expose and resize repaints never speed the text up.
// Changing a property composes the frame again at the place the text has reached.
class TCRPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList Strings READ Strings WRITE setStrings)
    Q_PROPERTY(bool Active READ Active WRITE setActive)
    Q_PROPERTY(QColor BeginColor READ BeginColor WRITE setBeginColor)
    Q_PROPERTY(QColor EndColor READ EndColor WRITE setEndColor)
    Q_PROPERTY(bool UseGradient READ UseGradient WRITE setUseGradient)
    Q_PROPERTY(int Interval READ Interval WRITE setInterval)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(bool DrawGlyph READ DrawGlyph WRITE setDrawGlyph)
    Q_PROPERTY(TGlyphDrawType GlyphDrawType READ GlyphDrawType WRITE setGlyphDrawType)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)

public:
    enum TGlyphDrawType {
        dgStrech = 0, // the picture stretched over the panel
        dgTile = 1,   // the picture repeated from the top left corner
    };
    Q_ENUM(TGlyphDrawType)

    explicit TCRPanel(QWidget* parent = nullptr);

    // Each of these that changes the lines, the colours of the text's start, the font or the
    // size starts the credits again from below the bottom edge, in plain style.
    const QStringList& Strings() const { return strings_; }
    void setStrings(const QStringList& lines);
    void appendLine(const QString& line);

    bool Active() const { return active_; }
    void setActive(bool active);

    QColor BeginColor() const { return beginColor_; }
    void setBeginColor(const QColor& color);
    QColor EndColor() const { return endColor_; }
    void setEndColor(const QColor& color);
    bool UseGradient() const { return useGradient_; }
    void setUseGradient(bool use);

    // Milliseconds between frames, ticking at the window timers' pace; 0 holds the text where
    // it is, and a positive interval moves it on from there.
    int Interval() const { return interval_; }
    void setInterval(int milliseconds);

    const QImage& Glyph() const { return glyph_; }
    void setGlyph(const QImage& picture);
    bool DrawGlyph() const { return drawGlyph_; }
    void setDrawGlyph(bool draw);
    TGlyphDrawType GlyphDrawType() const { return glyphDrawType_; }
    void setGlyphDrawType(TGlyphDrawType type);

    // Left, right or (by default) centred, for every line.
    Qt::Alignment Alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    QColor Color() const { return color_; }
    void setColor(const QColor& color);

    // One frame: the text one pixel further up, composed and shown.
    void ScrollTimerTimer();

    // The frame composed last, as the panel shows it.
    const QImage& FrameBuffer() const { return frameBuffer_; }
    // Where the text stands.
    const credits::CreditsScroll& Scroll() const { return scroll_; }

signals:
    void mousePressed();
    void mouseReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A text laid out once, so that every frame after the first draws it without shaping it.
    struct LaidOutText {
        QStaticText text;
        int width;
    };
    // The panel's font in one style, with the texts laid out in it so far.
    struct StyledFont {
        QFont font;
        QFontMetrics metrics;
        std::map<std::string, LaidOutText, std::less<>> texts;
    };

    void ResetScroll();
    void ResizeBuffer();
    bool bufferFitsPanel() const;
    // Composes the frame of the current place into the buffer and asks for it to be shown.
    void composeFrame();
    void drawBackground(QPainter& painter, const QRect& client);
    // Repeats the picture over the rectangle from its top left corner, cut at its edges.
    static void DrawBitmapRect(QPainter& painter, const QImage& bitmap, const QRect& rect);
    void drawRow(QPainter& painter, const credits::RowPlace& row);
    bool showsText() const;
    void followActiveAndInterval();
    StyledFont& fontFor(credits::TextStyle style);
    static const LaidOutText& laidOut(StyledFont& styled, std::string_view bytes);
    credits::BgrColor fontColor() const;
    credits::LineAlignment lineAlignment() const;

    QStringList strings_;
    std::vector<std::string> lines_; // the same lines as the markup reads them, in UTF-8
    bool active_ = false;
    QColor beginColor_;
    QColor endColor_;
    bool useGradient_ = false;
    int interval_ = 1;
    QImage glyph_;
    bool drawGlyph_ = false;
    TGlyphDrawType glyphDrawType_ = dgStrech;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    QColor color_;

    QTimer* ScrollTimer;
    QImage frameBuffer_;
    credits::CreditsScroll scroll_;
    credits::MarkupState markup_;
    // The panel's font in each of the eight combinations of bold, italic and underline; made
    // afresh with every restart, as the lines or the font may have changed.
    std::vector<StyledFont> fonts_;
    // Set while a tick composes a frame, so that a tick never starts one inside another.
    bool inPaint_ = false;
};
