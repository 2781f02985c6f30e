#include "SystemDocument.h"

SystemDocument::Rebuild::Rebuild(SystemDocument& document) : document_(document)
{
    emit document_.aboutToRebuild();
}

SystemDocument::Rebuild::~Rebuild()
{
    emit document_.rebuilt();
}
