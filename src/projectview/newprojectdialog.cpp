// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "newprojectdialog.h"

#include "objects/tgimage.h"
#include "pagemodel/pagemodel.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"
#include "widgets/helpwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The name a recurring-date line shows: its first 120 characters without the padding.
QString entryName(const QString &line)
{
    return line.left(120).trimmed();
}

QPushButton *button(const QString &caption, QWidget *parent, const std::function<void()> &clicked)
{
    auto *push = new QPushButton(caption, parent);
    QObject::connect(push, &QPushButton::clicked, parent, clicked);
    return push;
}

// A form row whose field is a row of widgets: the label's key goes to the first of them.
void addRow(QFormLayout *form, const QString &caption, QWidget *buddy, QLayout *row)
{
    auto *label = new QLabel(caption);
    label->setBuddy(buddy);
    form->addRow(label, row);
}

QString countryCaption(const HolidayFiles::Country &country)
{
    if (country.localName.isEmpty() || country.localName == country.name)
        return country.name;
    return QStringLiteral("%1 (%2)").arg(country.name, country.localName);
}

} // namespace

TNewProjectDialog::TNewProjectDialog(const PageModel &design, const Choices &choices, QWidget *parent)
    : QDialog(parent), m_templates(choices.templates)
{
    setObjectName(QStringLiteral("NewCalendarProject"));
    setWindowTitle(QStringLiteral("New Calendar Project"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeStartGroup(design));
    layout->addWidget(makeFillGroup(choices));
    layout->addWidget(makePhotoGroup(design));
    auto *where = new QHBoxLayout;
    m_projectPath = new QLineEdit(choices.proposedPath, this);
    m_projectPath->setObjectName(QStringLiteral("ProjectFile"));
    where->addWidget(m_projectPath, 1);
    where->addWidget(button(QStringLiteral("Bro&wse..."), this, [this] { chooseProjectPath(); }));
    auto *form = new QFormLayout;
    addRow(form, QStringLiteral("Project &file:"), m_projectPath, where);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { ShowHelpTopic(kHelpTopic); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget *TNewProjectDialog::makeStartGroup(const PageModel &design)
{
    auto *group = new QGroupBox(QStringLiteral("Pages"), this);
    auto *form = new QFormLayout(group);
    m_start = new QComboBox(group);
    m_start->setObjectName(QStringLiteral("StartFrom"));
    m_start->addItems({QStringLiteral("The page shown"), QStringLiteral("The page shown with a style sheet...")});
    for (const auto &[name, file] : m_templates)
        m_start->addItem(QStringLiteral("The template \u201c%1\u201d").arg(name), file);
    connect(m_start, &QComboBox::activated, this, [this](int index) {
        if (index == 1)
            chooseStyleSheet();
    });
    form->addRow(QStringLiteral("&Design:"), m_start);

    // The month after the page's, as a calendar for the coming year usually starts.
    const QDate next = QDate(design.MainCalYear(), design.MainCalMonth(), 1).addMonths(1);
    auto *first = new QHBoxLayout;
    m_firstMonth = new QComboBox(group);
    m_firstMonth->setObjectName(QStringLiteral("FirstMonth"));
    for (int month = 1; month <= 12; ++month)
        m_firstMonth->addItem(QLocale(QLocale::English).standaloneMonthName(month));
    m_firstMonth->setCurrentIndex(next.month() - 1);
    m_firstYear = new QSpinBox(group);
    m_firstYear->setObjectName(QStringLiteral("FirstYear"));
    m_firstYear->setRange(1, 9999);
    m_firstYear->setValue(next.year());
    first->addWidget(m_firstMonth);
    first->addWidget(m_firstYear);
    first->addStretch();
    addRow(form, QStringLiteral("First &month:"), m_firstMonth, first);
    m_months = new QSpinBox(group);
    m_months->setObjectName(QStringLiteral("Months"));
    m_months->setRange(1, CalendarProject::kMaxMonths);
    m_months->setValue(12);
    m_months->setMaximumWidth(m_firstYear->sizeHint().width());
    form->addRow(QStringLiteral("Number of mo&nths:"), m_months);
    m_cover = new QComboBox(group);
    m_cover->setObjectName(QStringLiteral("Cover"));
    m_cover->addItems({QStringLiteral("None"), QStringLiteral("A year overview"), QStringLiteral("A copy of the design")});
    form->addRow(QStringLiteral("&Cover:"), m_cover);
    return group;
}

QWidget *TNewProjectDialog::makeFillGroup(const Choices &choices)
{
    auto *group = new QGroupBox(QStringLiteral("Fill the months with"), this);
    auto *layout = new QVBoxLayout(group);
    m_fillRecurring = new QCheckBox(QStringLiteral("&Recurring dates (the ones ticked):"), group);
    m_fillRecurring->setObjectName(QStringLiteral("FillRecurring"));
    m_fillRecurring->setChecked(!choices.recurringLines.isEmpty());
    m_fillRecurring->setEnabled(!choices.recurringLines.isEmpty());
    layout->addWidget(m_fillRecurring);
    m_recurring = new QListWidget(group);
    m_recurring->setObjectName(QStringLiteral("RecurringDates"));
    m_recurring->setMaximumHeight(110);
    for (const QString &line : choices.recurringLines) {
        auto *item = new QListWidgetItem(entryName(line), m_recurring);
        item->setData(Qt::UserRole, line);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    connect(m_fillRecurring, &QCheckBox::toggled, m_recurring, &QWidget::setEnabled);
    layout->addWidget(m_recurring);

    auto *form = new QFormLayout;
    m_holidays = new QComboBox(group);
    m_holidays->setObjectName(QStringLiteral("Holidays"));
    m_holidays->addItem(QStringLiteral("None"), QString());
    for (const HolidayFiles::Country &country : choices.countries)
        m_holidays->addItem(countryCaption(country), country.code);
    if (choices.holidayPlace.contains(QLatin1Char('-')))
        m_holidays->addItem(choices.holidayPlace, choices.holidayPlace);
    m_holidays->setCurrentIndex(std::max(0, m_holidays->findData(choices.holidayPlace)));
    form->addRow(QStringLiteral("&Holidays of:"), m_holidays);
    m_localNames = new QCheckBox(QStringLiteral("Names as the country &writes them"), group);
    m_localNames->setObjectName(QStringLiteral("LocalNames"));
    m_localNames->setChecked(choices.holidayLocalNames);
    form->addRow(QString(), m_localNames);
    layout->addLayout(form);

    layout->addWidget(new QLabel(QStringLiteral("&iCalendar files:"), group));
    auto *files = new QHBoxLayout;
    m_calendarFiles = new QListWidget(group);
    m_calendarFiles->setObjectName(QStringLiteral("CalendarFiles"));
    m_calendarFiles->setMaximumHeight(70);
    static_cast<QLabel *>(layout->itemAt(layout->count() - 1)->widget())->setBuddy(m_calendarFiles);
    files->addWidget(m_calendarFiles, 1);
    auto *fileButtons = new QVBoxLayout;
    fileButtons->addWidget(button(QStringLiteral("&Add..."), group, [this] { addCalendarFile(); }));
    fileButtons->addWidget(button(QStringLiteral("R&emove"), group, [this] { delete m_calendarFiles->currentItem(); }));
    fileButtons->addStretch();
    files->addLayout(fileButtons);
    layout->addLayout(files);
    return group;
}

QWidget *TNewProjectDialog::makePhotoGroup(const PageModel &design)
{
    auto *group = new QGroupBox(QStringLiteral("Photos"), this);
    auto *form = new QFormLayout(group);
    auto *folder = new QHBoxLayout;
    m_photos = new QLineEdit(group);
    m_photos->setObjectName(QStringLiteral("PhotoFolder"));
    m_photos->setPlaceholderText(QStringLiteral("A folder of photos, one a month in name order"));
    folder->addWidget(m_photos, 1);
    folder->addWidget(button(QStringLiteral("Br&owse..."), group, [this] { choosePhotos(); }));
    addRow(form, QStringLiteral("&Photo folder:"), m_photos, folder);
    m_frame = new QComboBox(group);
    m_frame->setObjectName(QStringLiteral("PhotoFrame"));
    const int largest = ProjectBuilder::findPhotoFrame(design, {}, nullptr);
    for (size_t i = 0; i < design.objects().size(); ++i) {
        const auto *image = dynamic_cast<const TGImage *>(design.objects()[i].get());
        if (!image)
            continue;
        const QRectF inches = image->pageBounds();
        const double ppi = design.pixelsPerInch();
        m_frame->addItem(QStringLiteral("Clip art %1 (%2 × %3 in)")
                             .arg(image->Name())
                             .arg(inches.width() / ppi, 0, 'f', 1)
                             .arg(inches.height() / ppi, 0, 'f', 1),
                         int(i));
        if (int(i) == largest)
            m_frame->setCurrentIndex(m_frame->count() - 1);
    }
    if (m_frame->count() == 0)
        m_frame->addItem(QStringLiteral("The design has no clip-art object"), -1);
    form->addRow(QStringLiteral("Photo fr&ame:"), m_frame);
    return group;
}

void TNewProjectDialog::chooseStyleSheet()
{
    const std::optional<QString> chosen = Choosers::chooseOpenFile(
        this, QStringLiteral("Style Sheet"), Choosers::documentsFolder(), QStringLiteral("Calendar Style Sheet|*.OVS"));
    if (!chosen) {
        m_start->setCurrentIndex(m_styleSheet.isEmpty() ? 0 : 1);
        return;
    }
    m_styleSheet = *chosen;
    m_start->setItemText(1, QStringLiteral("The page shown with %1").arg(QFileInfo(*chosen).fileName()));
}

void TNewProjectDialog::addCalendarFile()
{
    const std::optional<QString> chosen = Choosers::chooseOpenFile(
        this, QStringLiteral("iCalendar File"), Choosers::documentsFolder(), QStringLiteral("iCalendar File|*.ics"));
    if (chosen)
        m_calendarFiles->addItem(*chosen);
}

void TNewProjectDialog::choosePhotos()
{
    const std::optional<QString> chosen
        = Choosers::chooseFolder(this, QStringLiteral("Photo Folder"), m_photos->text().isEmpty()
                                                                             ? Choosers::documentsFolder()
                                                                             : m_photos->text());
    if (chosen)
        m_photos->setText(*chosen);
}

void TNewProjectDialog::chooseProjectPath()
{
    const std::optional<QString> chosen
        = Choosers::chooseSaveFile(this, QStringLiteral("New Calendar Project"), m_projectPath->text(),
                                   QStringLiteral("Calendar Project|*.ovproj"), QStringLiteral("ovproj"));
    if (chosen)
        m_projectPath->setText(*chosen);
}

ProjectBuilder::Recipe TNewProjectDialog::recipe() const
{
    ProjectBuilder::Recipe recipe;
    recipe.first = {m_firstMonth->currentIndex() + 1, m_firstYear->value()};
    recipe.months = m_months->value();
    recipe.cover = static_cast<ProjectBuilder::Cover>(m_cover->currentIndex());
    if (m_fillRecurring->isChecked()) {
        for (int row = 0; row < m_recurring->count(); ++row) {
            if (m_recurring->item(row)->checkState() == Qt::Checked)
                recipe.fills.recurringLines << m_recurring->item(row)->data(Qt::UserRole).toString();
        }
        recipe.fills.recurringSource = QStringLiteral("the recurring-date list");
    }
    recipe.fills.holidayPlace = m_holidays->currentData().toString();
    recipe.fills.holidayLocalNames = m_localNames->isChecked();
    for (int row = 0; row < m_calendarFiles->count(); ++row)
        recipe.fills.icsFiles << m_calendarFiles->item(row)->text();
    recipe.photosFolder = m_photos->text().trimmed();
    if (const int frame = m_frame->currentData().toInt(); frame >= 0)
        recipe.frame.objectIndex = frame;
    return recipe;
}

QString TNewProjectDialog::projectPath() const
{
    QString path = m_projectPath->text().trimmed();
    if (!path.isEmpty() && QFileInfo(path).suffix().compare(QLatin1String("ovproj"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".ovproj");
    return path;
}

QString TNewProjectDialog::styleSheet() const
{
    return m_start->currentIndex() == 1 ? m_styleSheet : QString();
}

QString TNewProjectDialog::templateFile() const
{
    return m_start->currentIndex() >= 2 ? m_start->currentData().toString() : QString();
}

void TNewProjectDialog::accept()
{
    if (projectPath().isEmpty()) {
        Dialogs::errorBox(this, windowTitle(), QStringLiteral("Name the project file."));
        return;
    }
    if (!m_photos->text().trimmed().isEmpty() && m_frame->currentData().toInt() < 0 && templateFile().isEmpty()) {
        Dialogs::errorBox(this, windowTitle(),
                          QStringLiteral("The photos need a photo frame: put a clip-art object on the page "
                                         "where they should go, then make the project."));
        return;
    }
    QDialog::accept();
}
