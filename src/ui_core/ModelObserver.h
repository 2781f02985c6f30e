#pragma once

#include "Observer.h"

#include <QObject>

// Turns the model's change notifications into a Qt signal: a page observes the part of the
// model it shows and connects to changed(), whose hint is the settings key of the value that
// changed ("sta_no", ...), empty when the whole part changed. One source at a time; the
// observer lets go of it when destroyed.
class ModelObserver : public QObject, public Observer
{
    Q_OBJECT

public:
    explicit ModelObserver(QObject* parent = nullptr);
    ~ModelObserver() override;

    // Observes source instead of the previous one.
    void observe(Observable& source);
    // Stops observing; the source may then be destroyed.
    void release();
    Observable* source() const { return source_; }

    void update(Observable& source, std::string_view hint) override;

signals:
    void changed(const QString& hint);

private:
    Observable* source_ = nullptr;
};
