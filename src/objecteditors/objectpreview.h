// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class TGGraphicControl;

// Shows one freeform object that lives outside any surface: the live samples of the object
// dialogs. The object is borrowed and must outlive the widget.
class ObjectPreview : public QWidget
{
    Q_OBJECT

public:
    explicit ObjectPreview(TGGraphicControl &object, QWidget *parent = nullptr);

    TGGraphicControl &object() const { return m_object; }
    // Repaints after the object changed.
    void refresh();
    // When set, the object takes the widget's size whenever the widget is resized.
    void setObjectFollowsSize(bool follows);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TGGraphicControl &m_object;
    bool m_followsSize = false;
};
