// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectwiring.h"

#include "documents/busycursor.h"
#include "documents/documentcommands.h"
#include "documents/documenthost.h"
#include "documents/mrufilelist.h"
#include "page/calpanel32.h"
#include "pagemodel/pagemodel.h"
#include "project/projectpages.h"
#include "projectview/newprojectdialog.h"
#include "projectview/projectsession.h"
#include "projectview/projectstrip.h"
#include "recurring/holidayplaces.h"
#include "recurring/recurringstore.h"
#include "calendar/pageoptions.h"
#include "shell/camain.h"
#include "shell/cellfill.h"
#include "storage/calendarfile.h"
#include "storage/streamerror.h"
#include "templates/templates.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"

#include <QDockWidget>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QString kProjectFilter = QStringLiteral("Calendar Project|*.ovproj");

// The page shown (or a template at the project's first month), with a style sheet applied
// when one is named, as a whole document.
std::optional<QByteArray> designOf(TCalendarMain &window, const QString &styleSheet, const QString &templateFile,
                                   const MonthOfYear &first)
{
    PageModel design;
    try {
        if (!templateFile.isEmpty()) {
            QString error;
            if (!Templates::instantiate(templateFile, first.month, first.year, design, &error)) {
                Dialogs::errorBox(&window, QStringLiteral("New Calendar Project"), error);
                return std::nullopt;
            }
        } else if (!ProjectPages::loadBytes(design, ProjectPages::documentBytes(window.CalendarPanel().model())).ok) {
            return std::nullopt;
        }
    } catch (const StreamError &error) {
        Dialogs::errorBox(&window, QStringLiteral("New Calendar Project"), error.message());
        return std::nullopt;
    }
    if (!styleSheet.isEmpty()) {
        PageDocument doc = design.document();
        const CalendarFile::FileResult loaded = CalendarFile::LoadStyleSheet(doc, styleSheet);
        if (!loaded.ok) {
            Dialogs::errorBox(&window, QStringLiteral("New Calendar Project"),
                              QStringLiteral("%1 cannot be read: %2").arg(styleSheet, loaded.message));
            return std::nullopt;
        }
        design.applyStyle(doc);
    }
    return ProjectPages::documentBytes(design);
}

QString proposedProjectPath(int year)
{
    const QString name = QStringLiteral("Calendar %1").arg(year);
    return Choosers::documentsFolder() + QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".ovproj");
}

void newProject(TCalendarMain &window, ProjectSession &session)
{
    if (window.hooks().DoSaveRichtext)
        window.hooks().DoSaveRichtext();
    TNewProjectDialog::Choices choices;
    choices.recurringLines = RecurringStore::load(RecurringStore::datesFilePath()).lines;
    choices.countries = HolidayFiles::countries();
    const PageModel &page = window.CalendarPanel().model();
    // As Fill Calendar with Holidays offers: the page's own place, the last one chosen, the
    // country of the desktop's language.
    choices.holidayPlace = PageOptions::holidaysOf(page.options());
    if (choices.holidayPlace.isEmpty())
        choices.holidayPlace = window.preferences().holidayPlace;
    if (choices.holidayPlace.isEmpty())
        choices.holidayPlace = HolidayPlaces::placeOfLocale(QLocale::system());
    choices.holidayLocalNames = window.preferences().holidayLocalNames;
    choices.proposedPath = proposedProjectPath(QDate(page.MainCalYear(), page.MainCalMonth(), 1).addMonths(1).year());
    for (const Templates::Info &info : Templates::list()) {
        if (info.category != QLatin1String("Planners"))
            choices.templates.append({info.name, info.path});
    }
    TNewProjectDialog dialog(page, choices, &window);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    ProjectBuilder::Recipe recipe = dialog.recipe();
    // The frame listed was the page's: a template's photos go into its own largest clip art.
    if (!dialog.templateFile().isEmpty())
        recipe.frame = {};
    const std::optional<QByteArray> design = designOf(window, dialog.styleSheet(), dialog.templateFile(), recipe.first);
    if (!design)
        return;
    recipe.emptyCellFormat = defaultEditorFormat(window.preferences().defaultFont);
    ProjectBuilder::Result built;
    {
        const BusyCursor busy;
        built = ProjectBuilder::build(*design, recipe, dialog.projectPath());
    }
    if (!built.ok()) {
        Dialogs::errorBox(&window, QStringLiteral("New Calendar Project"), built.error);
        return;
    }
    if (!built.warnings.isEmpty())
        Dialogs::informationBox(&window, built.warnings.join(QLatin1Char('\r')));
    session.open(dialog.projectPath());
}

void openProject(TCalendarMain &window, ProjectSession &session)
{
    const std::optional<QString> chosen = Choosers::chooseOpenFile(
        &window, QStringLiteral("Open Calendar Project"), Choosers::documentsFolder(), kProjectFilter);
    if (chosen)
        session.open(*chosen);
}

void savePdf(TCalendarMain &window, ProjectSession &session)
{
    const QString proposed = QFileInfo(session.path()).absolutePath() + QLatin1Char('/')
                             + QFileInfo(session.path()).completeBaseName() + QStringLiteral(".pdf");
    const std::optional<QString> chosen = Choosers::chooseSaveFile(
        &window, QStringLiteral("Save Project As PDF"), proposed, QStringLiteral("PDF File|*.pdf"), QStringLiteral("pdf"));
    if (!chosen)
        return;
    QString error;
    const BusyCursor busy;
    if (!session.savePdf(*chosen, &error))
        Dialogs::errorBox(&window, QStringLiteral("Save Project As PDF"), error);
}

void printProject(TCalendarMain &window, ProjectSession &session)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(session.path()).completeBaseName());
    QPrintDialog dialog(&printer, &window);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    QString error;
    const BusyCursor busy;
    if (!session.print(printer, &error))
        Dialogs::errorBox(&window, QStringLiteral("Print Project"), error);
}

void exportImages(TCalendarMain &window, ProjectSession &session)
{
    const QString proposed = QFileInfo(session.path()).absolutePath() + QLatin1Char('/')
                             + QFileInfo(session.path()).completeBaseName() + QStringLiteral(".png");
    const std::optional<QString> chosen = Choosers::chooseSaveFile(
        &window, QStringLiteral("Export Pages as Images"), proposed,
        QStringLiteral("PNG Images|*.png|JPEG Images|*.jpg"), QStringLiteral("png"));
    if (!chosen)
        return;
    QString error;
    const BusyCursor busy;
    if (!session.saveImages(*chosen, window.CalendarPanel().ZoomFactor(), &error))
        Dialogs::errorBox(&window, QStringLiteral("Export Pages as Images"), error);
}

// Save As in a project saves a copy of the page shown: the page keeps its place (and name) in
// the project, so Save still writes the project's own file.
void savePageCopyAs(TCalendarMain &window, ProjectSession &session)
{
    if (window.hooks().DoSaveRichtext)
        window.hooks().DoSaveRichtext();
    const QString page = session.pageCaption(session.currentPage());
    const std::optional<QString> chosen = Choosers::chooseSaveFile(
        &window, QStringLiteral("Save a Copy of %1").arg(page), Choosers::documentsFolder() + QLatin1Char('/') + page + QStringLiteral(".OVF"),
        QStringLiteral("Calendar File|*.OVF"), QStringLiteral("OVF"));
    if (!chosen)
        return;
    const CalendarFile::FileResult written = CalendarFile::writeFileBytes(*chosen, session.pageBytes(session.currentPage()));
    if (!written.ok)
        Dialogs::errorBox(&window, QStringLiteral("Save As"), QStringLiteral("Cannot write %1: %2").arg(*chosen, written.message));
}

void copyObjects(TCalendarMain &window, ProjectSession &session)
{
    std::vector<const TGGraphicControl *> objects;
    const TCalendarPanel32 &page = window.CalendarPanel();
    for (const auto &object : page.objects()) {
        if (page.isSelected(*object))
            objects.push_back(object.get());
    }
    if (objects.empty()) {
        Dialogs::informationBox(&window, QStringLiteral("Select the objects to copy to every page first."));
        return;
    }
    const BusyCursor busy;
    session.copyObjectsToAll(objects);
}

// Wraps a hook so that the project is closed (after its save question) before it runs.
template<typename Hook>
void closeProjectBefore(Hook &hook, ProjectSession &session)
{
    hook = [original = hook, &session](auto &&...arguments) {
        if (session.close() && original)
            original(arguments...);
    };
}

} // namespace

ProjectSession *connectProjects(TCalendarMain &window, DocumentCommands &documents, DocumentHost &host)
{
    auto *session = new ProjectSession(documents, host, &window);
    auto *dock = new QDockWidget(QStringLiteral("Pages"), &window);
    dock->setObjectName(QStringLiteral("ProjectPages"));
    dock->setFeatures(QDockWidget::DockWidgetMovable);
    auto *strip = new TProjectStrip(*session, dock);
    dock->setWidget(strip);
    window.addDockWidget(Qt::LeftDockWidgetArea, dock);
    dock->hide();
    QObject::connect(session, &ProjectSession::opened, strip, [&window, session, dock, strip] {
        strip->rebuild();
        dock->show();
        // The project is what the window shows: recent files and the next start reopen it.
        window.mruList().AddFile(session->path());
        window.mruList().SaveList();
    });
    QObject::connect(session, &ProjectSession::closed, dock, [dock, strip] {
        strip->clear();
        dock->hide();
    });
    QObject::connect(session, &ProjectSession::currentPageChanged, strip, &TProjectStrip::setCurrentPage);
    QObject::connect(session, &ProjectSession::pageChanged, strip, &TProjectStrip::pageChanged);

    QMenu *file = window.fileMenu();
    QAction *before = file->findChild<QAction *>(QStringLiteral("mnuSave"));
    auto *newAction = new QAction(QStringLiteral("New Calendar Pro&ject..."), file);
    newAction->setObjectName(QStringLiteral("mnuNewCalendarProject"));
    auto *openAction = new QAction(QStringLiteral("Open Calendar Projec&t..."), file);
    openAction->setObjectName(QStringLiteral("mnuOpenCalendarProject"));
    file->insertActions(before, {newAction, openAction});
    file->insertSeparator(before);
    QObject::connect(newAction, &QAction::triggered, session, [&window, session] { newProject(window, *session); });
    QObject::connect(openAction, &QAction::triggered, session, [&window, session] { openProject(window, *session); });

    QMenu *help = window.menuBar()->findChild<QMenu *>(QStringLiteral("Help1"));
    auto *menu = new QMenu(QStringLiteral("&Project"), &window);
    menu->setObjectName(QStringLiteral("Project1"));
    window.menuBar()->insertMenu(help ? help->menuAction() : nullptr, menu);
    const auto add = [menu, session](const char *name, const char *caption, const std::function<void()> &run) {
        QAction *action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, session, run);
        return action;
    };
    add("mnuSaveProjectAsPdf", "Save Project As &PDF...", [&window, session] { savePdf(window, *session); });
    add("mnuPrintProject", "P&rint Project...", [&window, session] { printProject(window, *session); });
    add("mnuExportPagesAsImages", "&Export Pages as Images...", [&window, session] { exportImages(window, *session); });
    menu->addSeparator();
    add("mnuApplyStyleToAllPages", "Apply &Style to All Pages", [session] {
        const BusyCursor busy;
        session->applyStyleToAll();
    });
    add("mnuCopyObjectsToAllPages", "&Copy Objects to All Pages", [&window, session] { copyObjects(window, *session); });
    menu->addSeparator();
    add("mnuCloseProject", "C&lose Project", [session] { session->close(); });
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, session] {
        for (QAction *action : menu->actions())
            action->setEnabled(session->isOpen());
    });

    window.connectHooks([&window, session, strip](TCalendarMainHooks &h) {
        h.mnuSaveClick = [original = h.mnuSaveClick, session] {
            if (session->isOpen())
                session->saveAll();
            else if (original)
                original();
        };
        h.mnuSaveAsClick = [original = h.mnuSaveAsClick, &window, session] {
            if (session->isOpen())
                savePageCopyAs(window, *session);
            else if (original)
                original();
        };
        h.recordChange = [original = h.recordChange, session, strip] {
            if (original)
                original();
            if (session->isOpen())
                strip->pageChanged(session->currentPage());
        };
        h.stepPage = [session](int delta) {
            if (!session->isOpen())
                return false;
            session->step(delta);
            return true;
        };
        h.FormCloseQuery = [original = h.FormCloseQuery, session] {
            if (session->isOpen())
                return session->close();
            return !original || original();
        };
        closeProjectBefore(h.New1Click, *session);
        closeProjectBefore(h.Open1Click, *session);
        closeProjectBefore(h.openDocument, *session);
        // A project named on the command line or among recent files opens as a project.
        h.openDocument = [original = h.openDocument, session](const QString &path) {
            if (QFileInfo(path).suffix().compare(QLatin1String("ovproj"), Qt::CaseInsensitive) == 0)
                session->open(path);
            else if (original)
                original(path);
        };
    });
    return session;
}
