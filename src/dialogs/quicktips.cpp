// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quicktips.h"

const QList<QuickTip> &quickTips()
{
    static const QList<QuickTip> tips = {
        {QStringLiteral("How do I create a new calendar?"),
         QStringLiteral(
             "<p>Choose <b>File &gt; New</b>. The Properties window opens with a fresh page: pick "
             "the layout on the <i>Layout</i> tab (a month, a month with mini calendars, a sheet "
             "of mini calendars, a week or a day planner), portrait or landscape, and Letter or "
             "A4 paper. Choose the month and year on the <i>Date</i> tab, then press "
             "<b>OK</b>.</p><p>Your calendar appears in the main window. Save it with "
             "<b>File &gt; Save As...</b>; calendars are stored as <i>.OVF</i> files and the "
             "most recent ones are listed at the bottom of the File menu.</p>")},
        {QStringLiteral("How to I change the look (layout) of an existing calendar ?"),
         QStringLiteral(
             "<p>Choose <b>File &gt; Properties</b> or press the Properties button on the tool "
             "bar. Every tab changes the example page at once, so you can try things out: "
             "layout, fonts and colours, lines, headers, margins, language and decorative "
             "borders. <b>OK</b> applies the changes to your calendar, <b>Cancel</b> forgets "
             "them.</p><p>Changing to another kind of layout (for example from a month to a "
             "week planner) erases the text and icons in the day cells, and so does changing "
             "the month; you are warned before that happens. Fonts, colours and lines can be "
             "changed freely.</p>")},
        {QStringLiteral("How do I type entries into the calendar?"),
         QStringLiteral(
             "<p>Make sure the <b>Selection tool</b> (the arrow) is chosen, then click a day "
             "cell. An editor opens right over the cell: type as you would in a word processor. "
             "<b>Tab</b> moves to the next day and <b>Shift+Tab</b> to the previous one; "
             "clicking elsewhere on the page stores the text.</p><p>To fill in holidays, "
             "birthdays and other dates that come back every year, use <b>File &gt; Fill "
             "Calendar with Recurring Dates</b>; <b>Edit Recurring Dates</b> maintains that "
             "list.</p>")},
        {QStringLiteral("How do I change the text attributes for the date cell text (i.e. font, color, etc)?"),
         QStringLiteral(
             "<p>While a day cell is open for editing, the formatting tool bar above the page is "
             "active. Select the text you want to change and pick a font, size, style (bold, "
             "italic, underline) or colour there; text you type next takes the same "
             "attributes.</p><p><b>File &gt; Default Editor Font</b> sets the font every empty "
             "cell starts with. The font of the day <i>numbers</i> is part of the calendar's "
             "style: change it under <b>File &gt; Properties</b>, on the <i>Fonts, Colors</i> "
             "tab (\"Number Cells\").</p>")},
        {QStringLiteral("Can I put graphics into the calendar date cells along with text?"),
         QStringLiteral(
             "<p>Yes. Small pictures (icons) can sit in a day cell next to its text: open the "
             "Icons window with the <b>Show Icon Tool</b> button and drag an icon onto the "
             "cell. The icon becomes part of the cell's contents, so it is saved, printed and "
             "erased together with the text.</p><p>For larger pictures anywhere on the page, "
             "use the <b>Clip Art tool</b> instead (see \"How do I add freeform graphic "
             "items\").</p>")},
        {QStringLiteral("How do I use the icons in the floating Icons window?"),
         QStringLiteral(
             "<p>Press <b>Show Icon Tool</b> on the tool bar to show the Icons window (the same "
             "button hides it again). Choose an icon library from its list, then drag an icon "
             "with the mouse and drop it onto a day cell.</p><p>The Icons window is available "
             "only for layouts whose day cells take text: the month layouts, the week planners "
             "and the day planners. Orvane remembers whether you want it shown and which "
             "library you used last.</p>")},
        {QStringLiteral("How do I add freeform graphic items to the calendar?"),
         QStringLiteral(
             "<p>The drawing tools on the tool bar place items anywhere on the page: the "
             "<b>Label tool</b> (3D text), the <b>Clip Art tool</b> (pictures), the <b>Rich "
             "Text tool</b> (mixed fonts and colours), the <b>SuperText tool</b> (text filled "
             "with gradients or textures) and the <b>Floating Calendar tool</b> (a small month "
             "calendar).</p><p>Click a tool, then drag a rectangle on the page where the item "
             "should go. A window opens to enter the text or choose the picture; afterwards the "
             "Selection tool is active again.</p>")},
        {QStringLiteral("How do I change a freeform drawing object's properties?"),
         QStringLiteral(
             "<p>With the <b>Selection tool</b> chosen, double-click the item: its properties "
             "window opens, showing a live example of every change. You can also click the item "
             "with the right mouse button and choose from its menu.</p>")},
        {QStringLiteral("How do I change the font for a freeform drawing object?"),
         QStringLiteral(
             "<p>Double-click the item to open its properties and press the font button "
             "(<b>Select Font</b>); the item takes the font you choose. In a Rich Text item, "
             "select the words to change in its editor and use the formatting tool bar, so "
             "different words can have different fonts.</p>")},
        {QStringLiteral("How do I change the color of a freeform drawing object?"),
         QStringLiteral(
             "<p>Double-click the item and use the colour buttons of its properties window: the "
             "font colour, the shadow and highlight colours of a 3D label, the gradient colours "
             "or texture of SuperText, the outline colour, or the colours of a floating "
             "calendar's title, headers and background.</p>")},
        {QStringLiteral("How do I move a freeform drawing object?"),
         QStringLiteral(
             "<p>Choose the <b>Selection tool</b>, click the item so that its handles appear and "
             "drag it to its new place. The arrow keys move a selected item one pixel at a time "
             "for exact positioning.</p><p>To move several items together, hold <b>Shift</b> "
             "while clicking them, or drag a rectangle around them, and then drag any one of "
             "them.</p>")},
        {QStringLiteral("How do I resize a freeform drawing object?"),
         QStringLiteral(
             "<p>Select the item with the <b>Selection tool</b> and drag one of the small "
             "square handles around it: the corner handles change width and height together, "
             "the handles on the sides change one of them.</p><p>For fine adjustments hold "
             "<b>Shift</b> and press an arrow key: a single selected item grows or shrinks by "
             "one pixel.</p>")},
    };
    return tips;
}
