// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "twprichtext.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfstorage.h"
#include "richtext/rtfunits.h"
#include "richtext/rtfwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <cmath>

namespace {

constexpr qreal kInchesPerMeter = 0.0254;

void setResolution(QImage &device, qreal dpi)
{
    const int dotsPerMeter = int(std::lround(dpi / kInchesPerMeter));
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
}

} // namespace

TWPRichText::TWPRichText(QWidget *parent)
    : QTextEdit(parent), m_layoutDevice(1, 1, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("WPRichText1"));
    setAcceptRichText(false);
    setTabChangesFocus(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    // Lines wrap at the page's layout width, a few pixels wider than the editor's inside;
    // the text stays where the page draws it instead of scrolling after the caret.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (value != 0)
            horizontalScrollBar()->setValue(0);
    });
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::white);
    colors.setColor(QPalette::Text, Qt::black);
    setPalette(colors);
    document()->setDocumentMargin(0);
    // The page paints cell texts with design metrics; the same metrics here keep the
    // line breaks where the page has them.
    document()->setUseDesignMetrics(true);
    // Words break as the page breaks them, which uses a document's own wrapping.
    setWordWrapMode(QTextDocument().defaultTextOption().wrapMode());
    setResolution(m_layoutDevice, RtfUnits::layoutDpi());
    document()->documentLayout()->setPaintDevice(&m_layoutDevice);
    hide();
}

void TWPRichText::loadRtf(const QByteArray &rtf)
{
    QTextDocument &text = *document();
    text.clear();
    if (!rtf.isEmpty())
        RtfReader::read(rtf, text);
    text.setDocumentMargin(0);
    // Text put in while undo recording is off leaves its blocks without lines until
    // something marks them changed: without this the editor shows nothing and no caret.
    text.markContentsDirty(0, text.characterCount());
    text.clearUndoRedoStacks();
    text.setModified(false);
    moveCursor(QTextCursor::End);
}

QByteArray TWPRichText::rtf() const
{
    return RtfWriter::write(*document());
}

bool TWPRichText::isEmptyText() const
{
    const QTextDocument &text = *document();
    return text.blockCount() == 1 && text.firstBlock().length() <= 1;
}

void TWPRichText::setZoom(int zoomPercent, int pagePpi, int widthPixels)
{
    const int layoutDpi = RtfUnits::layoutDpi();
    m_scale = qMax(1, zoomPercent) / 100.0 * qMax(1, pagePpi) / layoutDpi;
    setResolution(m_layoutDevice, layoutDpi * m_scale);
    // The device's resolution is a whole number; wrapping at the page's layout width
    // measured at that resolution keeps the page's line breaks exactly.
    const qreal deviceScale = qreal(m_layoutDevice.logicalDpiY()) / layoutDpi;
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(qMax(1, int(std::floor(widthPixels / m_scale * deviceScale))));
    document()->documentLayout()->setPaintDevice(&m_layoutDevice);
    document()->markContentsDirty(0, document()->characterCount());
}

void TWPRichText::insertPicture(const QImage &picture)
{
    if (picture.isNull())
        return;
    QString name;
    do {
        name = QStringLiteral("cellpicture%1").arg(++m_pictureCount);
    } while (document()->resource(QTextDocument::ImageResource, QUrl(name)).isValid());
    document()->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(picture.width());
    format.setHeight(picture.height());
    textCursor().insertImage(format);
}

const QList<QColor> &TWPRichText::textColorPalette()
{
    static const QList<QColor> colors = {
        QColor(0, 0, 0),       QColor(0, 0, 255),   QColor(0, 255, 255), QColor(0, 255, 0),
        QColor(255, 0, 255),   QColor(255, 0, 0),   QColor(255, 255, 0), QColor(255, 255, 255),
        QColor(0, 0, 128),     QColor(0, 128, 128), QColor(0, 128, 0),   QColor(128, 0, 128),
        QColor(128, 0, 0),     QColor(128, 128, 0), QColor(128, 128, 128), QColor(192, 192, 192),
    };
    return colors;
}

QColor TWPRichText::paletteColor(const QColor &color)
{
    const QList<QColor> &colors = textColorPalette();
    for (const QColor &entry : colors) {
        if (entry.rgb() == color.rgb())
            return entry;
    }
    return colors.first();
}

void TWPRichText::keyPressEvent(QKeyEvent *event)
{
    // In a day cell Tab belongs to moving between cells, never to the text.
    if (!m_tabsAccepted && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        event->accept();
        return;
    }
    // The usual style keys toggle the style of the selection or of what is typed next.
    QTextCharFormat format;
    if (event->matches(QKeySequence::Bold)) {
        format.setFontWeight(currentCharFormat().fontWeight() > QFont::Medium ? QFont::Normal : QFont::Bold);
    } else if (event->matches(QKeySequence::Italic)) {
        format.setFontItalic(!currentCharFormat().fontItalic());
    } else if (event->matches(QKeySequence::Underline)) {
        format.setFontUnderline(!currentCharFormat().fontUnderline());
    } else {
        QTextEdit::keyPressEvent(event);
        return;
    }
    mergeCurrentCharFormat(format);
    event->accept();
}

void TWPRichText::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    // Coming back from a drop-down list is no new visit: the format just chosen there
    // must survive.
    if (event->reason() != Qt::PopupFocusReason)
        emit focusReceived();
}

void TWPRichText::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    // A drop-down list of the formatting tool bar takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}
