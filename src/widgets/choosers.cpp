// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "choosers.h"

#include "graphics/fontfamilies.h"

#include "core/filebytes.h"
#include "widgets/dialogs.h"
#include "widgets/fileopendialog.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QDir>
#include <QStandardPaths>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

FontChooser::FontChooser(const TFont &font, int ppi, QWidget *parent)
    : QDialog(parent), m_fonts(new QFontDialog(this)), m_colorButton(new QPushButton(this)),
      m_color(font.color()), m_ppi(ppi)
{
    setWindowTitle(tr("Font"));
    // The font dialog is embedded as a plain widget; this dialog owns the buttons.
    m_fonts->setWindowFlags(Qt::Widget);
    // Outline fonts only: objects and cells scale their text with the zoom and for print.
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog
                        | QFontDialog::ScalableFonts);
    m_standIn = new QLabel(this);
    m_standIn->setObjectName(QStringLiteral("StandIn"));
    m_standIn->setWordWrap(true);
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(tr("&Color:"), this));
    colorRow->addWidget(m_colorButton);
    colorRow->addStretch();
    static_cast<QLabel *>(colorRow->itemAt(0)->widget())->setBuddy(m_colorButton);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addWidget(m_standIn);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_colorButton, &QPushButton::clicked, this, &FontChooser::pickColor);
    setChosenFont(font);
}

TFont FontChooser::font() const
{
    const QFont chosen = m_fonts->currentFont();
    const bool sameFamily = chosen.family() == m_shown.family();
    if (sameFamily && chosen.pointSize() == m_shown.pointSize() && chosen.bold() == m_shown.bold()
        && chosen.italic() == m_shown.italic() && chosen.underline() == m_shown.underline()
        && chosen.strikeOut() == m_shown.strikeOut() && m_color == m_original.color())
        return m_original;
    TFont::Styles style;
    style.setFlag(TFont::Style::Bold, chosen.bold());
    style.setFlag(TFont::Style::Italic, chosen.italic());
    style.setFlag(TFont::Style::Underline, chosen.underline());
    style.setFlag(TFont::Style::StrikeOut, chosen.strikeOut());
    return TFont(sameFamily ? m_original.name() : chosen.family(), qMax(1, chosen.pointSize()),
                 style, m_color);
}

QString FontChooser::displayFamily(const QString &family)
{
    // Documents name the fonts of the platform they come from: show the installed family the
    // page draws with instead.
    return FontFamilies::drawnWith(family);
}

void FontChooser::setChosenFont(const TFont &font)
{
    m_original = font;
    QFont qfont(displayFamily(font.name()));
    qfont.setPointSize(qMax(1, font.pointSizeAt(m_ppi)));
    qfont.setBold(font.style().testFlag(TFont::Style::Bold));
    qfont.setItalic(font.style().testFlag(TFont::Style::Italic));
    qfont.setUnderline(font.style().testFlag(TFont::Style::Underline));
    qfont.setStrikeOut(font.style().testFlag(TFont::Style::StrikeOut));
    m_fonts->setCurrentFont(qfont);
    m_shown = m_fonts->currentFont();
    // Both names: the one the document keeps and the one shown in the list.
    const QString drawn = displayFamily(font.name());
    m_standIn->setVisible(drawn.compare(font.name(), Qt::CaseInsensitive) != 0);
    m_standIn->setText(tr("The document names %1, which is not installed: it is drawn with %2.")
                           .arg(font.name(), drawn));
    setChosenColor(font.color());
}

void FontChooser::setChosenColor(TColor color)
{
    m_color = color;
    showColor();
}

void FontChooser::pickColor()
{
    if (const auto color = Choosers::chooseColor(this, m_color))
        setChosenColor(*color);
}

void FontChooser::showColor()
{
    QPixmap swatch(32, 14);
    swatch.fill(Colors::toQColor(m_color));
    m_colorButton->setIcon(QIcon(swatch));
    m_colorButton->setIconSize(swatch.size());
}

NameOnlyIconProvider::NameOnlyIconProvider() = default;

QIcon NameOnlyIconProvider::icon(const QFileInfo &info) const
{
    if (info.isDir())
        return QFileIconProvider::icon(QAbstractFileIconProvider::Folder);
    const QMimeType mime = m_mimeTypes.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(mime.iconName(), QFileIconProvider::icon(QAbstractFileIconProvider::File));
}

QString NameOnlyIconProvider::type(const QFileInfo &info) const
{
    if (info.isDir())
        return QObject::tr("Folder");
    return m_mimeTypes.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
}

namespace Choosers {

std::optional<TFont> chooseFont(QWidget *parent, const TFont &font, int ppi)
{
    FontChooser dialog(font, ppi, parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.font();
}

std::optional<TColor> chooseColor(QWidget *parent, TColor color)
{
    QColorDialog dialog(Colors::toQColor(color), parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return Colors::fromQColor(dialog.currentColor());
}

QString documentsFolder()
{
    // A Documents folder that does not exist would become the dialog's file name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString qtFilter(const QString &filter)
{
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
}

namespace {

// The entry of folder whose name Qt shows as shownName; empty unless exactly one matches.
QString entryShownAs(const QString &folder, const QString &shownName)
{
    QString found;
    std::error_code error;
    const std::filesystem::path native(FileBytes::encodeName(folder.isEmpty() ? QStringLiteral("/") : folder).toStdString());
    for (const auto &entry : std::filesystem::directory_iterator(native, error)) {
        const QByteArray name = QByteArray::fromStdString(entry.path().filename().native());
        if (QFile::decodeName(name) != shownName)
            continue;
        if (!found.isEmpty())
            return QString();
        found = FileBytes::decodeName(name);
    }
    return found;
}

} // namespace

QString realPath(const QString &chosen)
{
    if (!chosen.startsWith(QLatin1Char('/')) || FileBytes::exists(chosen))
        return chosen;
    QString path;
    for (const QString &part : chosen.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString direct = path + QLatin1Char('/') + part;
        const QString real = FileBytes::exists(direct) ? QString() : entryShownAs(path, part);
        path = real.isEmpty() ? direct : path + QLatin1Char('/') + real;
    }
    return path;
}

namespace {

// The desktop's own file dialog is used when its platform theme offers one (Qt's own
// otherwise), so files are chosen the way every other program of the desktop chooses them.
std::optional<QString> runFileDialog(QFileDialog &dialog)
{
    if (Dialogs::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return realPath(dialog.selectedFiles().constFirst());
}

} // namespace

void prepareFileDialog(QFileDialog &dialog)
{
    static NameOnlyIconProvider provider;
    dialog.setIconProvider(&provider);
}

bool showsQtsOwnWidgets(const QFileDialog &dialog)
{
    // Qt builds the widgets of its own dialog only where the desktop offers none.
    return dialog.findChild<QAbstractItemView *>() != nullptr;
}

std::optional<QString> chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                                      const QString &filter)
{
    QFileDialog dialog(parent, title, folder, qtFilter(filter));
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!showsQtsOwnWidgets(dialog))
        return runFileDialog(dialog);
    // Qt's own dialog would hide the files whose names are not UTF-8.
    FileOpenDialog own(parent, title, folder, filter);
    if (Dialogs::exec(own) != QDialog::Accepted)
        return std::nullopt;
    return own.selectedFile();
}

std::optional<QString> chooseSaveFile(QWidget *parent, const QString &title,
                                      const QString &proposedPath, const QString &filter,
                                      const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, proposedPath, qtFilter(filter));
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return runFileDialog(dialog);
}

std::optional<QString> chooseFolder(QWidget *parent, const QString &title, const QString &folder)
{
    QFileDialog dialog(parent, title, folder);
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    return runFileDialog(dialog);
}

} // namespace Choosers
