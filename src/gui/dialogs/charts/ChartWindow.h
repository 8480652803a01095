#pragma once

#include "core/charts/FieldChart.h"

#include <QDialog>

class QChart;
class QChartView;
class QPagedPaintDevice;

namespace kelvora {

class GradientButton;
class GradientPanel;
class HandlerGuard;
class LedgerModel;
class UserPort;

// What the pie and the bar window share: the head with the print and save
// buttons, the chart filling the window, printing it and saving it as a PNG
// picture or a PDF page.
class ChartWindow : public QDialog
{
    Q_OBJECT
public:
    // GraphExpBtnClick, GraphExpBtn2Click, GraphIncBtnClick, GraphIncBtn2Click:
    // the page's Sum, then its chart in a modal window.
    static void open(LedgerModel& page, ChartStyle style, HandlerGuard& guard, QWidget* parent);

    const FieldChart& chartData() const { return m_data; }
    QChart* chart() const { return m_chart; }
    QChartView* ChartView = nullptr;
    GradientPanel* HeadPanel = nullptr;
    GradientButton* PrintBtn = nullptr;
    GradientButton* SaveBtn = nullptr;

    // The chart on one page of `device`, as large as the page allows.
    void paintOn(QPagedPaintDevice& device);
    // A ".pdf" name gives a PDF page, any other a PNG picture. False when it
    // could not be written.
    bool saveTo(const QString& path);
    // The save button: asks where, writes, says so when it failed.
    void SaveBtnClick();
    void PrintBtnClick();

protected:
    ChartWindow(FieldChart data, HandlerGuard& guard, const QColor& grad1, const QColor& grad2, QWidget* parent);
    // The pie or the bars; called once the window stands.
    virtual void buildChart(QChart& chart) = 0;
    void finish();

    FieldChart m_data;
    HandlerGuard& m_guard;
    QChart* m_chart = nullptr;
};

} // namespace kelvora
