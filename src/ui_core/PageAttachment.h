#pragma once

#include <QObject>

class ModelPage;
class SystemDocument;

// Keeps a page attached to the document's model: attached when made, detached before every
// rebuild of the model and attached again after it, detached when this goes away.
class PageAttachment : public QObject
{
    Q_OBJECT

public:
    PageAttachment(SystemDocument& document, ModelPage& page, QObject* parent = nullptr);
    ~PageAttachment() override;

private:
    void attach();

    SystemDocument& document_;
    ModelPage& page_;
};
