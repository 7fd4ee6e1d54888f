// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "surface/gbasepanel.h"
#include "surface/objecttransfer.h"
#include "surface/tghandle.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/canvas.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <memory>
#include <vector>

// A plain coloured box: it keeps the bounds it is given, so frame arithmetic stays exact.
class TestObject : public TGGraphicControl
{
public:
    explicit TestObject(const QRect &bounds = QRect(0, 0, 20, 20), TColor color = Colors::clRed)
        : color(color)
    {
        setBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    }

    QString className() const override { return QStringLiteral("TTestObject"); }
    void PaintObject(Canvas &canvas) const override
    {
        canvas.setBrush(color);
        canvas.fillRect(PageRect{0, 0, Width(), Height()});
    }
    void AssignFont(const TFont &font) override { assignedFont = font; }

    TColor color;
    TFont assignedFont;
};

// Clipboard files as lists of records kept in memory; the file itself is created so that
// the surface sees it exist. It can fail to write and stop reading at a damaged record.
class FakeTransfer : public ObjectTransfer
{
public:
    struct Record
    {
        QString name;
        QRect bounds;
        bool locked = false;
        TColor color = Colors::clRed;
    };

    bool saveObjects(const std::vector<const TGGraphicControl *> &objects, const QString &path,
                     QString *error) override
    {
        if (failWrite) {
            *error = QStringLiteral("Cannot create file");
            return false;
        }
        QList<Record> records;
        for (const TGGraphicControl *object : objects)
            records.append(recordOf(*object));
        files[path] = records;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("records");
        ++writes;
        return true;
    }

    std::vector<std::unique_ptr<TGGraphicControl>> loadObjects(const QString &path,
                                                               QString *error) override
    {
        std::vector<std::unique_ptr<TGGraphicControl>> objects;
        const QList<Record> records = files.value(path);
        for (int i = 0; i < records.size(); ++i) {
            if (i == damagedAt) {
                *error = QStringLiteral("Invalid property value");
                break;
            }
            objects.push_back(make(records[i], QPoint(15, 15)));
        }
        return objects;
    }

    std::unique_ptr<TGGraphicControl> cloneObject(const TGGraphicControl &object,
                                                  QString *) override
    {
        return make(recordOf(object), QPoint());
    }

    static Record recordOf(const TGGraphicControl &object)
    {
        const auto *test = dynamic_cast<const TestObject *>(&object);
        return Record{object.Name(), object.storedBounds(), object.Locked(),
                      test ? test->color : Colors::clRed};
    }

    static std::unique_ptr<TGGraphicControl> make(const Record &record, QPoint offset)
    {
        auto object = std::make_unique<TestObject>();
        object->setReading(true);
        object->setName(record.name);
        const QRect bounds = record.bounds.translated(offset);
        object->setBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
        object->SetLocked(record.locked);
        object->color = record.color;
        object->setReading(false);
        object->AfterLoad();
        return object;
    }

    QHash<QString, QList<Record>> files;
    bool failWrite = false;
    int damagedAt = -1;
    int writes = 0;
};

// A move with no button held, as it arrives at a widget.
inline void hoverAt(QWidget &widget, QPoint point)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(point), widget.mapToGlobal(QPointF(point)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// A shown surface of a Letter page at 96 PPI with a clock the test moves, menus answered
// by caption, a fake object clipboard and a count of reported changes.
class SurfaceTest : public ::testing::Test
{
protected:
    SurfaceTest()
    {
        surface.resize(816, 1056);
        surface.setClock([this] { return clock; });
        surface.setPopupPresenter([this](QMenu &menu, const QPoint &) -> QAction * {
            QStringList captions;
            QAction *chosen = nullptr;
            for (QAction *action : menu.actions()) {
                captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
                if (!action->isSeparator() && action->text() == menuChoice)
                    chosen = action;
            }
            menus.append(captions);
            shownMenus.append(&menu);
            return chosen;
        });
        auto transfer = std::make_unique<FakeTransfer>();
        fake = transfer.get();
        surface.setObjectTransfer(std::move(transfer));
        surface.setLabelChangedEvent([this](TGBasePanel &) { ++changes; });
        surface.show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&surface);
    }

    TestObject *add(const QRect &bounds, TColor color = Colors::clRed)
    {
        auto *object = static_cast<TestObject *>(
            surface.appendObject(std::make_unique<TestObject>(bounds, color)));
        return object;
    }

    TGHandle &frame() { return surface.frame(); }
    std::vector<TGGraphicControl *> selection() { return frame().selection(); }

    // The mouse arrives at the point, then the button goes down.
    void press(QPoint point, Qt::KeyboardModifiers modifiers = {},
               Qt::MouseButton button = Qt::LeftButton)
    {
        hover(point);
        QTest::mousePress(&surface, button, modifiers, point);
    }
    void release(QPoint point, Qt::KeyboardModifiers modifiers = {},
                 Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(&surface, button, modifiers, point);
    }
    // A move with the button of the last press held.
    void moveHeld(QPoint point) { QTest::mouseMove(&surface, point); }
    // A move with no button held, as it arrives at the surface.
    void hover(QPoint point) { hoverAt(surface, point); }
    void click(QPoint point, Qt::KeyboardModifiers modifiers = {})
    {
        press(point, modifiers);
        release(point, modifiers);
    }
    // A slow drag: long enough after the press to count as one, long enough before the
    // release not to be a click.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        press(from, modifiers);
        clock += 20;
        moveHeld(from);
        moveHeld(to);
        clock += 200;
        release(to, modifiers);
    }
    void runPosted() { QCoreApplication::processEvents(); }

    TGBasePanel surface;
    qint64 clock = 1000;
    FakeTransfer *fake = nullptr;
    QString menuChoice;
    QList<QStringList> menus;
    QList<QMenu *> shownMenus;
    int changes = 0;
};
