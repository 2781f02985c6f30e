#include "ModelObserver.h"

#include "Observable.h"

ModelObserver::ModelObserver(QObject* parent) : QObject(parent) {}

ModelObserver::~ModelObserver()
{
    release();
}

void ModelObserver::observe(Observable& source)
{
    release();
    source_ = &source;
    source_->addObserver(this);
}

void ModelObserver::release()
{
    if (source_)
        source_->deleteObserver(this);
    source_ = nullptr;
}

void ModelObserver::update(Observable&, std::string_view hint)
{
    emit changed(QString::fromLatin1(hint.data(), qsizetype(hint.size())));
}
