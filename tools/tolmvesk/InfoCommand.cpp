#include "tolmvesk/InfoCommand.h"

#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/LoadedFile.h"
#include "data/ProgramCategory.h"
#include "tolmvesk/ProgramNumber.h"
#include "tolmvesk/ResultMessage.h"
#include "tolmvesk/Usage.h"

namespace tolmvesk
{
namespace
{
using xTV200_data::FavoriteData;

/** Keeps a text on its tab-separated line: backslashes, tabs and line breaks
    become escapes. */
juce::String escapeCell (const juce::String& text)
{
    return text.replace ("\\", "\\\\").replace ("\t", "\\t").replace ("\r", "\\r").replace ("\n", "\\n");
}

juce::var makePresetObject (const xTV200_data::PresetInformation& information)
{
    auto object = std::make_unique<juce::DynamicObject>();
    object->setProperty ("DataID", information.dataID);
    object->setProperty ("Name", information.name);
    object->setProperty ("Author", information.author);
    object->setProperty ("Version", information.version);
    object->setProperty ("Date", information.date);
    object->setProperty ("Prefix", information.prefix);
    object->setProperty ("Copyright", information.copyright);
    return object.release();
}

juce::var makeFavoritesArray (const FavoriteData& favorites)
{
    juce::Array<juce::var> banks;

    for (int bank = 0; bank < FavoriteData::numBanks; ++bank)
    {
        juce::Array<juce::var> slots;

        for (int slot = 0; slot < FavoriteData::numSlots; ++slot)
            slots.add (favorites.getValue (bank, slot));

        banks.add (slots);
    }

    return banks;
}

juce::var makeProgramObject (int index, const xTV200_data::ProgramData& program)
{
    auto object = std::make_unique<juce::DynamicObject>();
    object->setProperty ("index", index);
    object->setProperty ("name", program.getName());
    object->setProperty ("category", xTV200_data::getProgramCategory (program));
    object->setProperty ("hash", program.getHash());
    object->setProperty ("programmer", program.getInformation().programmer);
    object->setProperty ("comment", program.getInformation().comment);
    return object.release();
}

void printJson (const juce::File& file, const LoadedFile& loaded, std::ostream& out)
{
    auto document = std::make_unique<juce::DynamicObject>();
    document->setProperty ("file", file.getFullPathName());
    document->setProperty ("kind", getKindName (loaded.getKind()));

    if (const auto* preset = loaded.getPreset())
        document->setProperty ("preset", makePresetObject (preset->getInformation()));

    if (const auto* library = loaded.getLibrary())
        document->setProperty ("favorites", makeFavoritesArray (library->getFavorites()));

    juce::Array<juce::var> programs;

    for (int index = 0; index < loaded.getNumPrograms(); ++index)
        programs.add (makeProgramObject (index, loaded.getProgram (index)));

    document->setProperty ("programs", programs);
    out << juce::JSON::toString (juce::var (document.release())) << '\n';
}

void printPresetText (const xTV200_data::PresetInformation& information, std::ostream& out)
{
    out << "Preset:\n"
        << "  DataID: " << information.dataID << '\n'
        << "  Name: " << information.name << '\n'
        << "  Author: " << information.author << '\n'
        << "  Version: " << information.version << '\n'
        << "  Date: " << information.date << '\n'
        << "  Prefix: " << information.prefix << '\n'
        << "  Copyright: " << information.copyright << '\n';
}

void printFavoritesText (const FavoriteData& favorites, std::ostream& out)
{
    out << "Favorites:\n";

    for (int bank = 0; bank < FavoriteData::numBanks; ++bank)
    {
        out << "  Bank " << (bank + 1) << ':';

        for (int slot = 0; slot < FavoriteData::numSlots; ++slot)
            out << ' ' << formatProgramNumber (favorites.getValue (bank, slot));

        out << '\n';
    }
}

void printText (const juce::File& file, const LoadedFile& loaded, std::ostream& out)
{
    out << "File: " << file.getFullPathName() << '\n' << "Kind: " << getKindName (loaded.getKind()) << '\n';

    if (const auto* preset = loaded.getPreset())
        printPresetText (preset->getInformation(), out);

    if (const auto* library = loaded.getLibrary())
        printFavoritesText (library->getFavorites(), out);

    out << "Programs:\n"
        << "No.\tName\tCategory\tHash\tProgrammer\tComment\n";

    for (int index = 0; index < loaded.getNumPrograms(); ++index)
    {
        const auto& program = loaded.getProgram (index);
        out << formatProgramNumber (index) << '\t' << escapeCell (program.getName()) << '\t'
            << xTV200_data::getProgramCategory (program) << '\t' << program.getHash() << '\t'
            << escapeCell (program.getInformation().programmer) << '\t'
            << escapeCell (program.getInformation().comment) << '\n';
    }
}
} // namespace

int runInfoCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err)
{
    auto positional = arguments;
    const auto json = positional.contains ("--json");
    positional.removeString ("--json");

    if (positional.size() != 1)
        return reportWrongCommandLine (err, "info takes one file");

    if (positional[0].startsWith ("-"))
        return reportWrongCommandLine (err, "unknown option " + positional[0].quoted());

    const auto file = getArgumentFile (positional[0]);
    const auto kind = getFileKind (file);

    if (kind == FileKind::unknown)
        return reportWrongCommandLine (err, "cannot tell the kind of " + positional[0].quoted() +
                                                " from its extension");

    LoadedFile loaded;

    if (const auto code = loaded.load (file, kind); code != 0)
        return reportReadError (err, code);

    if (json)
        printJson (file, loaded, out);
    else
        printText (file, loaded, out);

    return ExitStatus::success;
}
} // namespace tolmvesk
