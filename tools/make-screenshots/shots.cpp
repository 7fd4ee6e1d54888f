// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shots.h"

#include "dialogs/asstvellform.h"
#include "dialogs/configinfo.h"
#include "dialogs/gettitle.h"
#include "dialogs/settd.h"
#include "documents/recoverychooser.h"
#include "gallery/savetemplatedialog.h"
#include "gallery/templategallery.h"
#include "graphics/tfont.h"
#include "objecteditors/gcalflateditor.h"
#include "objecteditors/gf3d.h"
#include "objecteditors/ggettext.h"
#include "objecteditors/gimageb.h"
#include "objecteditors/gstprop.h"
#include "objecteditors/richtextlabeleditor.h"
#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgplabel.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgsupertext.h"
#include "page/calpanel32.h"
#include "pagemodel/pagemodel.h"
#include "projectview/newprojectdialog.h"
#include "properties/calprop.h"
#include "recurring/holidaycalendar.h"
#include "recurringdialogs/countryholidays.h"
#include "recurringdialogs/editrecurringdateformula.h"
#include "recurringdialogs/editrecurringdates.h"
#include "recurringdialogs/selectrecurringdates.h"
#include "richtext/rtfstorage.h"
#include "shell/camain.h"
#include "shell/documentwiring.h"
#include "templates/templates.h"
#include "core/apppaths.h"
#include "widgets/helpwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace {

// Every date on the pictures: the manual should not change with the day it was made.
const QDate kShownMonth(2026, 5, 1);

template<typename Object>
struct ObjectHolder
{
    std::unique_ptr<Object> object;
};

// Objects a dialog edits must outlive it: the holder is the first base, made before the
// dialog and destroyed after it.
template<typename Dialog, typename Object>
class Holding : private ObjectHolder<Object>, public Dialog
{
public:
    template<typename... Args>
    explicit Holding(std::unique_ptr<Object> object, Args &&...args)
        : ObjectHolder<Object>{std::move(object)}, Dialog(*this->ObjectHolder<Object>::object, std::forward<Args>(args)...)
    {
    }
};

std::unique_ptr<QWidget> mainWindow()
{
    auto window = std::make_unique<TCalendarMain>();
    connectDocuments(*window);
    window->CalendarPanel().ResetToDefaults(kShownMonth);
    window->setPageShown(true);
    return window;
}

std::unique_ptr<QWidget> calendarProperties()
{
    TCalendarPanel32 page;
    page.ResetToDefaults(kShownMonth);
    auto dialog = std::make_unique<TCalendarProperties>();
    dialog->ExampleCalendar().AssignSettings(page);
    dialog->FormActivate();
    return dialog;
}

std::unique_ptr<QWidget> newProject()
{
    PageModel design;
    design.ResetToDefaults(kShownMonth);
    TNewProjectDialog::Choices choices;
    choices.recurringLines = {QStringLiteral("Birthday of Anna")};
    choices.countries = HolidayFiles::countries();
    choices.proposedPath = QStringLiteral("/home/user/Calendars/Family 2026.ovproj");
    return std::make_unique<TNewProjectDialog>(design, choices);
}

std::unique_ptr<QWidget> richTextEditor()
{
    auto label = std::make_unique<TGPRichBaseLabel>();
    return std::make_unique<Holding<TRichTextLabelEditor, TGPRichBaseLabel>>(std::move(label), TWPRtfStorage());
}

QString captionsOf(const QWidget &widget)
{
    QStringList texts;
    if (widget.isWindow() && !widget.windowTitle().isEmpty())
        texts << QStringLiteral("title=") + widget.windowTitle();
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        texts << label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        texts << button->text();
    else if (const auto *group = qobject_cast<const QGroupBox *>(&widget))
        texts << group->title();
    else if (const auto *tabs = qobject_cast<const QTabWidget *>(&widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << QStringLiteral("tab=") + tabs->tabText(i);
    } else if (const auto *bar = qobject_cast<const QMenuBar *>(&widget)) {
        for (const QAction *action : bar->actions())
            texts << QStringLiteral("menu=") + action->text();
    }
    texts.removeAll(QString());
    return texts.join(QLatin1Char('|')).replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

// Controls whose children are Qt's own parts, which differ between Qt versions.
bool isLeafControl(const QWidget &widget)
{
    return qobject_cast<const QComboBox *>(&widget) || qobject_cast<const QAbstractSpinBox *>(&widget)
        || qobject_cast<const QAbstractItemView *>(&widget) || qobject_cast<const QTextEdit *>(&widget)
        || qobject_cast<const QPlainTextEdit *>(&widget) || qobject_cast<const QMenu *>(&widget);
}

void describe(const QWidget &widget, int depth, QStringList &lines)
{
    // Qt's inner widgets (qt_tabwidget_stackedwidget, ...) are skipped, their children kept.
    const bool own = !widget.objectName().startsWith(QLatin1String("qt_"));
    if (own) {
        lines << QString(depth * 2, QLatin1Char(' ')) + QString::fromLatin1(widget.metaObject()->className())
                     + QLatin1Char(' ') + widget.objectName() + QLatin1Char(' ') + captionsOf(widget);
    }
    if (isLeafControl(widget))
        return;
    for (const QObject *child : widget.children()) {
        if (const auto *w = qobject_cast<const QWidget *>(child); w && !w->isWindow())
            describe(*w, own ? depth + 1 : depth, lines);
    }
}

} // namespace

QString widgetFingerprint(const QWidget &top)
{
    QStringList lines;
    describe(top, 0, lines);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QList<Shot> manualShots()
{
    const auto make = [](auto &&factory) { return std::function<std::unique_ptr<QWidget>()>(factory); };
    return {
        {QStringLiteral("main-window"), QSize(1000, 700), make(mainWindow)},
        {QStringLiteral("calendar-properties"), QSize(), make(calendarProperties)},
        {QStringLiteral("new-project"), QSize(), make(newProject)},
        {QStringLiteral("template-gallery"), QSize(900, 600), make([] {
             return std::make_unique<TTemplateGallery>(Templates::list(), kShownMonth);
         })},
        {QStringLiteral("save-template"), QSize(), make([] {
             return std::make_unique<TSaveTemplateDialog>(QStringLiteral("Family wall calendar"),
                                                          QStringList{QStringLiteral("Family"), QStringLiteral("Photo")});
         })},
        {QStringLiteral("country-holidays"), QSize(), make([] {
             return std::make_unique<TCountryHolidays>(HolidayFiles::countries(), kShownMonth,
                                                       kShownMonth.addMonths(1).addDays(-1), QStringLiteral("GB"), false);
         })},
        {QStringLiteral("recurring-dates"), QSize(), make([] {
             return std::make_unique<TEditRecurringDates>(AppPaths::userFolder() + QStringLiteral("/none.dax"));
         })},
        {QStringLiteral("recurring-formula"), QSize(), make([] { return std::make_unique<TEditRecurringDateFormula>(); })},
        {QStringLiteral("select-recurring"), QSize(), make([] {
             return std::make_unique<TSelectRecurringDates>(QStringList{QStringLiteral("Birthday of Anna")});
         })},
        {QStringLiteral("user-title"), QSize(), make([] { return std::make_unique<TUserTitleForm>(); })},
        {QStringLiteral("set-time"), QSize(), make([] { return std::make_unique<TSetTimeDialog>(QTime(9, 0)); })},
        {QStringLiteral("quick-tips"), QSize(), make([] { return std::make_unique<TAssistantVellForm>(); })},
        {QStringLiteral("configuration-info"), QSize(), make([] {
             return std::make_unique<TConfigurationInfo>(QStringLiteral("Orvane\nData folder: /usr/share/orvane"));
         })},
        {QStringLiteral("recovery"), QSize(), make([] {
             const QList<RecoveryChooser::Entry> entries{
                 {QStringLiteral("/home/user/Calendars/Family.ovf"), QDateTime(kShownMonth, QTime(10, 30))},
                 {QString(), QDateTime(kShownMonth, QTime(11, 5))}};
             return std::make_unique<RecoveryChooser>(entries, [](int) {});
         })},
        {QStringLiteral("label-text"), QSize(), make([] { return std::make_unique<TGetLabelText>(); })},
        {QStringLiteral("text-3d-effects"), QSize(), make([] {
             return std::make_unique<Holding<TGFont3DEffects, TGPLabel>>(
                 createToolLabel(TFont(QStringLiteral("Liberation Sans"), 12)));
         })},
        {QStringLiteral("floating-calendar"), QSize(), make([] {
             return std::make_unique<Holding<TFlatCalendarEditor, TGFlatCalendar>>(
                 createToolFlatCalendar(kShownMonth), nullptr, kShownMonth);
         })},
        {QStringLiteral("load-image"), QSize(), make([] { return std::make_unique<TGImageBrowser>(false, false); })},
        {QStringLiteral("rich-text-editor"), QSize(), make(richTextEditor)},
        {QStringLiteral("supertext"), QSize(), make([] {
             return std::make_unique<Holding<TSuperTextProperties, TGSuperText>>(createToolSuperText(), QString());
         })},
        {QStringLiteral("help-window"), QSize(900, 600), make([] {
             auto help = std::make_unique<HelpWindow>();
             help->showTopic(2100);
             return help;
         })},
    };
}
