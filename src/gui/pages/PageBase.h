#pragma once

#include "core/pages/NoteStamp.h"
#include "core/pages/PageId.h"

#include <QList>
#include <QWidget>

namespace kelvora {

class ClipboardTarget;
class DataMemo;
class GradientButton;
class GradientPanel;
class HandlerGuard;
class PageGrid;
class PageModel;
struct ColourScheme;

// What the five pages share: their bands, buttons, grids and coloured boxes,
// painting them in the colour scheme, the shared right-click menu, committing
// an open grid cell, and posting a record when the user leaves a control.
class PageBase : public QWidget
{
    Q_OBJECT
public:
    PageBase(PageId id, HandlerGuard& guard, QWidget* parent = nullptr);
    ~PageBase() override;

    PageId id() const { return m_id; }
    // Bands, buttons, grids and input boxes take the scheme's colours.
    virtual void applyColourScheme(const ColourScheme& scheme);
    // Text still in an open grid cell goes into its record.
    void commitOpenEditors();
    // The page became the current one.
    virtual void pageShown() {}
    // Proportional widths: every grid column (and the boxes a page scales)
    // gets w * newWidth / referenceWidth.
    virtual void scaleWidths(int newWidth, int referenceWidth);

signals:
    // The shared right-click menu was asked for on `target`.
    void popupRequested(ClipboardTarget* target, const QPoint& globalPos);
    // A heading band was clicked: the Diary page is wanted.
    void diaryRequested();

protected:
    GradientPanel* makeBand(const QString& name, const QString& caption, QWidget* parent);
    // A heading band: a click on it goes to the Diary page.
    GradientPanel* makeHeadBand(const QString& name, const QString& caption, QWidget* parent);
    PageGrid* makeGrid(PageModel& model, const QString& name);
    void addButton(GradientButton* button) { m_buttons.append(button); }
    void addColouredBox(QWidget* box) { m_colouredBoxes.append(box); }
    void addBand(GradientPanel* band) { m_bands.append(band); }
    // The record of `model` is posted when the focus leaves `control` (or a
    // control inside it) for one outside it.
    void postOnExit(QWidget* control, PageModel& model);
    // A double click on a record's notes box stamps it with the date and time.
    void stampOnDoubleClick(DataMemo* memo, PageModel& model, NoteBox box);
    // The window's font without the bold the bands give their captions.
    QFont plainFont() const;

    HandlerGuard& m_guard;

private:
    PageId m_id;
    QList<GradientPanel*> m_bands;
    QList<GradientButton*> m_buttons;
    QList<QWidget*> m_colouredBoxes;
    QList<PageGrid*> m_grids;
    // The focus watches of postOnExit, cut when the page goes: its controls
    // lose the focus while they are destroyed, with no record left to post.
    QList<QMetaObject::Connection> m_exitWatches;
};

} // namespace kelvora
