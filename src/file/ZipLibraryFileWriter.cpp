#include "file/ZipLibraryFileWriter.h"

#include "data/xml/FavoriteDataXmlReaderWriter.h"
#include "data/xml/PresetInformationXmlReaderWriter.h"
#include "data/xml/ProgramInformationXmlReaderWriter.h"
#include "data/xml/XmlDocumentText.h"
#include "file/AtomicFileReplacer.h"
#include "file/FileResultCodes.h"
#include "file/ZipLibraryFileReader.h"

namespace xTV200_file
{
namespace
{
void addFileElement (juce::XmlElement& parent, const char* name, const juce::String& text)
{
    parent.createNewChildElement (name)->addTextElement (text);
}
} // namespace

void ZipLibraryFileWriter::addDocument (const juce::String& entryName, DocumentMaker createRoot)
{
    // Written while the other entries are being compressed: a library's 300
    // documents are a good part of the work of saving it.
    builder.addDeferredEntry (
        entryName,
        [createRoot = std::move (createRoot)]
        {
            const auto text = xTV200_data::XmlDocumentText::write (*createRoot());
            return juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8());
        },
        compressionLevel);
}

bool ZipLibraryFileWriter::addFavoriteData (const xTV200_data::FavoriteData& favoriteData)
{
    addDocument (favoriteEntryName,
                 [favoriteData] { return xTV200_data::FavoriteDataXmlReaderWriter::createXml (favoriteData); });
    favorites.push_back ({favoriteEntryName});
    return true;
}

bool ZipLibraryFileWriter::addProgramData (const xTV200_data::ProgramData& program)
{
    const auto baseName =
        juce::String ("Prog_") + juce::String (static_cast<int> (programs.size())).paddedLeft ('0', 3);

    builder.addEntry (
        baseName + ".prog_bin",
        juce::MemoryBlock (program.getBytes(), static_cast<size_t> (xTV200_data::ProgramData::numBytes)),
        compressionLevel);
    addDocument (baseName + ".prog_info", [information = program.getInformation()]
                 { return xTV200_data::ProgramInformationXmlReaderWriter::createXml (information); });
    programs.push_back ({baseName});
    return true;
}

bool ZipLibraryFileWriter::addPresetInformation (const xTV200_data::PresetInformation& information)
{
    addDocument (presetInformationEntryName, [information]
                 { return xTV200_data::PresetInformationXmlReaderWriter::createXml (information); });
    presetInformations.push_back ({presetInformationEntryName});
    return true;
}

std::unique_ptr<juce::XmlElement> ZipLibraryFileWriter::createTableOfContents() const
{
    auto root = std::make_unique<juce::XmlElement> (ZipLibraryFileReader::tableOfContentsRootName);
    addFileElement (*root, "Product", ZipLibraryFileReader::productText);

    auto* contents = root->createNewChildElement ("Contents");
    contents->setAttribute ("NumFavoriteData", static_cast<int> (favorites.size()));
    contents->setAttribute ("NumProgramData", static_cast<int> (programs.size()));
    contents->setAttribute ("NumPresetInformation", static_cast<int> (presetInformations.size()));

    for (const auto& favorite : favorites)
        addFileElement (*contents->createNewChildElement ("FavoriteData"), "File", favorite.entryName);

    for (const auto& preset : presetInformations)
        addFileElement (*contents->createNewChildElement ("PresetInformation"), "File", preset.entryName);

    for (const auto& program : programs)
    {
        auto* item = contents->createNewChildElement ("ProgramData");
        addFileElement (*item, "Information", program.entryName + ".prog_info");
        addFileElement (*item, "ProgramBinary", program.entryName + ".prog_bin");
    }

    return root;
}

int ZipLibraryFileWriter::writeToFile (const juce::File& file)
{
    // Checked before any work, so that a protected file costs nothing to refuse.
    if (! file::AtomicFileReplacer::canReplace (file))
        return file::WriteResult::deleteFile;

    // The entry lists stay as they are until the archive is written.
    addDocument (ZipLibraryFileReader::tableOfContentsName, [this] { return createTableOfContents(); });

    juce::MemoryOutputStream archive;

    if (! builder.writeToStream (archive))
        return file::WriteResult::writeData;

    return file::AtomicFileReplacer::write (file, archive.getData(), archive.getDataSize());
}
} // namespace xTV200_file
