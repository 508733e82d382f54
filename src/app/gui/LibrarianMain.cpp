#include "app/gui/TolmVESKLibrarianApplication.h"

START_JUCE_APPLICATION (TolmVESKLibrarianApplication)
