// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipartcommands.h"

#include "renderoptions.h"
#include "terminaltext.h"

#include "images/picture.h"
#include "objects/objectnames.h"
#include "objects/tgimage.h"
#include "pagemodel/pagemodel.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The paper in inches, whatever the zoom the page is shown at.
QSizeF paperInches(const PageModel &page)
{
    const QSize pixels = page.sizeAtZoom(1.0f);
    return QSizeF(pixels) / page.pixelsPerInch();
}

bool onPaper(const QRectF &inches, const QSizeF &paper)
{
    // A hundredth of an inch of slack for rectangles typed to the paper's edge.
    return inches.left() >= 0 && inches.top() >= 0 && inches.right() <= paper.width() + 0.01
        && inches.bottom() <= paper.height() + 0.01;
}

bool nameTaken(const PageModel &page, const std::vector<std::unique_ptr<TGImage>> &added, const QString &name)
{
    const auto same = [&name](const auto &object) { return object->Name().compare(name, Qt::CaseInsensitive) == 0; };
    return std::any_of(page.objects().begin(), page.objects().end(), same)
        || std::any_of(added.begin(), added.end(), same);
}

} // namespace

bool addRenderPictures(const RenderOptions &options, PageModel &page)
{
    const QSizeF paper = paperInches(page);
    std::vector<std::unique_ptr<TGImage>> added;
    for (const RenderOptions::AddedPicture &wanted : options.addedPictures) {
        const QRectF inches(wanted.rect[0], wanted.rect[1], wanted.rect[2], wanted.rect[3]);
        if (!onPaper(inches, paper)) {
            printProblem(QStringLiteral("--rect %1,%2,%3,%4 for %5 does not lie on the paper (%6 x %7 inches)")
                             .arg(inches.left()).arg(inches.top()).arg(inches.width()).arg(inches.height())
                             .arg(wanted.file).arg(paper.width()).arg(paper.height()));
            return false;
        }
        Picture picture;
        const ImageStatus status = loadBrowserPicture(wanted.file, picture);
        if (!status.ok()) {
            printProblem(status.error);
            return false;
        }
        auto image = std::make_unique<TGImage>();
        // Named as reading names objects, so a document saved, opened and saved again is
        // the same file.
        image->setName(firstFreeObjectName(QStringLiteral("Component"), 0, [&](const QString &name) {
                           return nameTaken(page, added, name);
                       }).value_or(QString()));
        image->AfterLoad();
        image->SetStretch(true);
        image->SetPicture(picture);
        added.push_back(std::move(image));
    }
    const double ppi = page.pixelsPerInch();
    for (size_t i = 0; i < added.size(); ++i) {
        const std::array<float, 4> &rect = options.addedPictures[i].rect;
        page.appendObject(std::move(added[i]))
            ->setPageBounds(QRectF(rect[0] * ppi, rect[1] * ppi, rect[2] * ppi, rect[3] * ppi));
    }
    return true;
}
