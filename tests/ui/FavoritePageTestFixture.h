#pragma once

#include "app/ApplicationUndoManager.h"
#include "app/StartupSingletons.h"
#include "data/DataCenter.h"
#include "support/FreshSingletons.h"
#include "ui/FavoriteEditComponent.h"
#include "ui/NamedFonts.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace test
{
/** The favourites page inside its own drag container (in the program, the
    main component), with the process-wide objects of a fresh start and every
    library program named "Prog <index>", so that a button's name tells which
    program it shows. */
class FavoritePageTest : public FreshSingletons
{
protected:
    struct Container final : public juce::Component, public juce::DragAndDropContainer
    {
    };

    void SetUp() override
    {
        FreshSingletons::SetUp();
        xTV200_application::StartupSingletons::createInStartupOrder();
        xTV200_ui::NamedFonts::addNamedFonts();

        for (int index = 0; index < xTV200_data::LibraryData::numPrograms; ++index)
            nameProgram (index, "Prog " + juce::String (index));

        page = std::make_unique<xTV200_ui::FavoriteEditComponent>();
        container.setSize (800, 600);
        container.addAndMakeVisible (*page);
    }

    void TearDown() override
    {
        page.reset();
        FreshSingletons::TearDown();
    }

    static xTV200_data::LibraryData& library()
    {
        return xTV200_data::DataCenter::getInstance()->getLibrary();
    }

    static juce::UndoManager& history() { return *application::ApplicationUndoManager::getInstance(); }

    static int valueAt (int bank, int slot) { return library().getFavorites().getValue (bank, slot); }

    /** Writes the name into the program's first twelve bytes, padded with 0. */
    static void nameProgram (int index, const juce::String& name)
    {
        auto& program = library().getProgram (index);

        for (int i = 0; i < xTV200_data::ProgramData::nameLength; ++i)
            program.setByte (i, static_cast<juce::uint8> (i < name.length() ? name[i] : 0));
    }

    xTV200_ui::FavoriteDisplayComponent& display (int bank, int slot)
    {
        return page->getDisplay (bank, slot);
    }

    Container container;
    std::unique_ptr<xTV200_ui::FavoriteEditComponent> page;
};
} // namespace test
