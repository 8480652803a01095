#pragma once

#include "gui/pages/PageBase.h"

namespace kelvora {

class ClientPicture;
class ClientsModel;
class DataMemo;
class GradientPanel;
class PageGrid;
class SelectionBar;
class TagToolsBar;

// The Clients page: the client grid, the client's notes and picture.
class ClientsPage : public PageBase
{
    Q_OBJECT
public:
    ClientsPage(ClientsModel& model, HandlerGuard& guard, bool pictureAutoDisplay, QWidget* parent = nullptr);

    GradientPanel* ClientHead = nullptr;
    GradientPanel* ClientSubHead = nullptr;
    PageGrid* NamesGrid = nullptr;
    QWidget* Panel2 = nullptr;
    DataMemo* ClientNotes = nullptr;
    ClientPicture* Pix = nullptr;
    GradientPanel* TagBand = nullptr;
    TagToolsBar* TagBar = nullptr;
    SelectionBar* Selector = nullptr; // NamesSel, NamesFilter, NamesCombo, AllNamesBtn

    // The show sequence's column widths: EntryDate 90, the phones 98 pixels.
    void shown();

private:
    ClientsModel& m_model;
};

} // namespace kelvora
