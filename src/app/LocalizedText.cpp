#include "app/LocalizedText.h"

#include "app/CTRVResource.h"

juce::String getLocalizedText (const juce::String& key)
{
    return CTRVResource::getInstance()->getText (key);
}
