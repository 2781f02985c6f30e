#include "ModelAvailability.h"

#include "Locale.h"

bool ModelAvailability::isAvailable(std::string_view model, const Locale& locale)
{
    return model != "R-4720MS" || locale.isJapanese();
}
