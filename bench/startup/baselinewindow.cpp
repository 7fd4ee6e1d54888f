// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Orvane's start: a plain Qt main window with a menu, a tool bar and a
// painted month page, titled after the document named on its command line.
#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QWidget>

namespace {

class PageWidget : public QWidget
{
public:
    PageWidget() { setMinimumSize(520, 680); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const QRect grid(30, 120, width() - 60, height() - 160);
        painter.setFont(QFont(QStringLiteral("Liberation Serif"), 20, QFont::Bold));
        painter.drawText(QRect(0, 40, width(), 60), Qt::AlignCenter, QStringLiteral("January 2027"));
        painter.setFont(QFont(QStringLiteral("Liberation Serif"), 10, QFont::Bold));
        for (int row = 0; row <= 6; ++row)
            painter.drawLine(grid.left(), grid.top() + row * grid.height() / 6, grid.right(),
                             grid.top() + row * grid.height() / 6);
        for (int column = 0; column <= 7; ++column)
            painter.drawLine(grid.left() + column * grid.width() / 7, grid.top(),
                             grid.left() + column * grid.width() / 7, grid.bottom());
        for (int day = 1; day <= 31; ++day) {
            const int cell = day + 3;
            const QRect box(grid.left() + (cell - 1) % 7 * grid.width() / 7, grid.top() + (cell - 1) / 7 * grid.height() / 6,
                            grid.width() / 7 - 4, 20);
            painter.drawText(box, Qt::AlignRight, QString::number(day));
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *title : {"&File", "&Edit", "&Help"}) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 0; i < 8; ++i)
            menu->addAction(QStringLiteral("Command %1").arg(i));
    }
    QToolBar *tools = window.addToolBar(QStringLiteral("Tools"));
    for (int i = 0; i < 10; ++i)
        tools->addAction(QStringLiteral("T%1").arg(i));
    window.setCentralWidget(new PageWidget);
    const QString name = argc > 1 ? QFileInfo(QString::fromLocal8Bit(argv[1])).fileName() : QStringLiteral("Untitled");
    window.setWindowTitle(QStringLiteral("Baseline - ") + name);
    window.resize(900, 760);
    window.show();
    return app.exec();
}
