// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatewiring.h"

#include "core/inifile.h"
#include "documents/documentcommands.h"
#include "gallery/savetemplatedialog.h"
#include "gallery/templategallery.h"
#include "page/calpanel32.h"
#include "pagemodel/pagemodel.h"
#include "project/projectpages.h"
#include "shell/camain.h"
#include "templates/templates.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QMenu>

namespace {

// The gallery, then a new untitled calendar from the template chosen. atStart: the start of
// the program, where the gallery also offers to stop showing itself.
void newFromTemplate(TCalendarMain &window, DocumentCommands &documents, bool atStart)
{
    QStringList problems;
    const QList<Templates::Info> templates = Templates::list(&problems);
    if (templates.isEmpty()) {
        if (!atStart)
            Dialogs::errorBox(&window, QStringLiteral("New from Template"),
                              QStringLiteral("No templates were found.") + (problems.isEmpty() ? QString() : QLatin1Char('\r') + problems.join(QLatin1Char('\r'))));
        return;
    }
    TTemplateGallery gallery(templates, QDate::currentDate(), &window);
    gallery.setStartChoice(atStart, window.preferences().galleryAtStart);
    const bool accepted = Dialogs::exec(gallery) == QDialog::Accepted;
    if (atStart && gallery.showAtStart() != window.preferences().galleryAtStart) {
        window.setGalleryAtStart(gallery.showAtStart());
        window.SavePreferences();
    }
    const std::optional<Templates::Info> chosen = gallery.chosen();
    if (!accepted || !chosen)
        return;
    PageModel page;
    QString error;
    if (!Templates::instantiate(chosen->path, gallery.month(), gallery.year(), page, &error)) {
        Dialogs::errorBox(&window, QStringLiteral("New from Template"), error);
        return;
    }
    documents.newFromDocument(ProjectPages::documentBytes(page));
}

void saveAsTemplate(TCalendarMain &window)
{
    if (window.hooks().DoSaveRichtext)
        window.hooks().DoSaveRichtext();
    QStringList categories;
    for (const Templates::Info &info : Templates::list()) {
        if (!categories.contains(info.category))
            categories << info.category;
    }
    const QString proposed = window.documentFileName().isEmpty() ? QString()
                                                                 : QFileInfo(window.documentFileName()).completeBaseName();
    TSaveTemplateDialog dialog(proposed, categories, &window);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    const QString path = Templates::userTemplatePath(dialog.name());
    if (QFileInfo::exists(path)
        && !Dialogs::yesNoQuestion(&window, QStringLiteral("Save as Template"),
                                   QStringLiteral("A template named %1 exists already. Replace it?").arg(dialog.name())))
        return;
    QString error;
    if (!Templates::saveAsTemplate(window.CalendarPanel().model(), dialog.name(), dialog.category(), &error))
        Dialogs::errorBox(&window, QStringLiteral("Save as Template"), error);
}

} // namespace

void connectTemplates(TCalendarMain &window, DocumentCommands &documents)
{
    QMenu *file = window.fileMenu();
    const auto insertAfter = [file](const char *after, const char *name, const char *caption) {
        const QList<QAction *> actions = file->actions();
        QAction *anchor = file->findChild<QAction *>(QLatin1String(after));
        const qsizetype at = actions.indexOf(anchor);
        auto *action = new QAction(QString::fromUtf8(caption), file);
        action->setObjectName(QLatin1String(name));
        file->insertAction(at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr, action);
        return action;
    };
    QAction *fromTemplate = insertAfter("New1", "mnuNewFromTemplate", "New from Te&mplate...");
    QAction *asTemplate = insertAfter("mnuSaveAs", "mnuSaveAsTemplate", "Save as Templat&e...");
    QObject::connect(fromTemplate, &QAction::triggered, &window,
                     [&window, &documents] { newFromTemplate(window, documents, false); });
    QObject::connect(asTemplate, &QAction::triggered, &window, [&window] { saveAsTemplate(window); });
    // Saving a template needs a page.
    QObject::connect(file, &QMenu::aboutToShow, asTemplate,
                     [&window, asTemplate] { asTemplate->setEnabled(window.CalendarPanel().isVisible() || !window.documentFileName().isEmpty()); });
    window.connectHooks([&window, &documents](TCalendarMainHooks &h) {
        h.showGalleryAtStart = [&window, &documents] {
            if (window.preferences().galleryAtStart)
                newFromTemplate(window, documents, true);
        };
    });
}
