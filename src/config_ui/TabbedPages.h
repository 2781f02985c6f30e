#pragma once

#include "ModelPage.h"

#include <QWidget>
#include <vector>

class QTabWidget;

// A page made of pages in tabs of their own, each over the same model: it hands them the
// model, takes it back and refreshes them together.
class TabbedPages : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    explicit TabbedPages(const QString& objectName, QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    // Fields are committed by the tab that holds them.
    bool commitField(int) override { return true; }

    QTabWidget& tabs() const { return *tabs_; }

protected:
    // Adds a tab; page is the widget's own model page.
    void addPage(QWidget* widget, ModelPage* page, const QString& caption);

private:
    QTabWidget* tabs_;
    std::vector<ModelPage*> pages_;
};
