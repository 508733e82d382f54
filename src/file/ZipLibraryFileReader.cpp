#include "file/ZipLibraryFileReader.h"

#include "base/BoundedXmlReader.h"
#include "data/xml/FavoriteDataXmlReaderWriter.h"
#include "data/xml/PresetInformationXmlReaderWriter.h"
#include "data/xml/ProgramInformationXmlReaderWriter.h"
#include "data/xml/XmlDocumentText.h"
#include "file/FileResultCodes.h"

namespace xTV200_file
{
using xTV200_data::XmlDocumentText;
namespace ReadResult = file::ReadResult;

namespace
{
juce::String childText (const juce::XmlElement& parent, const char* name)
{
    const auto* child = XmlDocumentText::findChild (parent, name);
    return child != nullptr ? child->getAllSubText() : juce::String();
}
} // namespace

ZipLibraryFileReader::ZipLibraryFileReader (const juce::File& zipFile)
    : archive (std::make_unique<file::MemoryBasedZipUncompressor> (zipFile))
{
}

ZipLibraryFileReader::ZipLibraryFileReader (std::unique_ptr<juce::InputSource> source)
    : archive (std::make_unique<file::MemoryBasedZipUncompressor> (std::move (source)))
{
}

ZipLibraryFileReader::~ZipLibraryFileReader() = default;

int ZipLibraryFileReader::read()
{
    if (archive->getNumEntries() == 0 || archive->uncompressAll().failed())
        return ReadResult::failedToUncompressZipFile;

    for (auto step : {&ZipLibraryFileReader::readTableOfContents, &ZipLibraryFileReader::readFavorites,
                      &ZipLibraryFileReader::readPresetInformations, &ZipLibraryFileReader::readPrograms})
        if (const auto code = (this->*step)(); code != ReadResult::noError)
            return code;

    return ReadResult::noError;
}

std::unique_ptr<juce::XmlElement> ZipLibraryFileReader::parseEntry (const juce::String& entryName) const
{
    // A missing entry reads as empty text, which holds no document.
    const auto bytes = archive->getEntryData (entryName);
    return BoundedXmlReader::parse (XmlDocumentText::decodeUtf8 (bytes.getData(), bytes.getSize()));
}

int ZipLibraryFileReader::readTableOfContents()
{
    const auto root = parseEntry (tableOfContentsName);

    if (root == nullptr)
        return ReadResult::failedToParseXmlDocument;

    if (! XmlDocumentText::hasName (*root, tableOfContentsRootName))
        return ReadResult::invalidXmlDocument;

    const auto* product = XmlDocumentText::findChild (*root, "Product");

    if (product == nullptr)
        return ReadResult::invalidXmlDocument;

    if (! product->getAllSubText().contains (productText))
        return ReadResult::differentTargetDevice;

    const auto* contents = XmlDocumentText::findChild (*root, "Contents");

    if (contents == nullptr)
        return ReadResult::invalidXmlDocument;

    collectItems (*contents);
    return ReadResult::noError;
}

void ZipLibraryFileReader::collectItems (const juce::XmlElement& contents)
{
    // Items without their inner elements, and elements of other names, are
    // skipped: later versions may list more than this one reads.
    for (const auto* item : contents.getChildIterator())
    {
        if (XmlDocumentText::hasName (*item, "FavoriteData"))
        {
            if (XmlDocumentText::findChild (*item, "File") != nullptr)
                favorites.push_back ({childText (*item, "File"), {}});
        }
        else if (XmlDocumentText::hasName (*item, "ProgramData"))
        {
            if (XmlDocumentText::findChild (*item, "Information") != nullptr &&
                XmlDocumentText::findChild (*item, "ProgramBinary") != nullptr)
                programs.push_back (
                    {childText (*item, "Information"), childText (*item, "ProgramBinary"), {}});
        }
        else if (XmlDocumentText::hasName (*item, "PresetInformation"))
        {
            if (XmlDocumentText::findChild (*item, "File") != nullptr)
                presetInformations.push_back ({childText (*item, "File"), {}});
        }
    }
}

int ZipLibraryFileReader::readFavorites()
{
    for (auto& item : favorites)
    {
        if (! archive->hasEntry (item.entryName))
            return ReadResult::favoriteDataMissing;

        const auto root = parseEntry (item.entryName);

        if (root == nullptr || ! xTV200_data::FavoriteDataXmlReaderWriter::readXml (*root, item.favorites))
            return ReadResult::failedToReadFavoriteData;
    }

    return ReadResult::noError;
}

int ZipLibraryFileReader::readPresetInformations()
{
    for (auto& item : presetInformations)
    {
        if (! archive->hasEntry (item.entryName))
            return ReadResult::presetInformationMissing;

        const auto root = parseEntry (item.entryName);

        if (root == nullptr ||
            ! xTV200_data::PresetInformationXmlReaderWriter::readXml (*root, item.information))
            return ReadResult::failedToReadPresetInformation;
    }

    return ReadResult::noError;
}

int ZipLibraryFileReader::readPrograms()
{
    constexpr auto numBytes = static_cast<size_t> (xTV200_data::ProgramData::numBytes);

    for (auto& item : programs)
    {
        if (! archive->hasEntry (item.binaryEntryName) || ! archive->hasEntry (item.informationEntryName))
            return ReadResult::programDataMissing;

        const auto binary = archive->getEntryData (item.binaryEntryName);

        if (binary.getSize() < numBytes)
            return ReadResult::failedToReadProgramBinary;

        item.program.setBytes (binary.getData(), numBytes);

        const auto root = parseEntry (item.informationEntryName);

        if (root == nullptr ||
            ! xTV200_data::ProgramInformationXmlReaderWriter::readXml (*root, item.program.getInformation()))
            return ReadResult::failedToReadProgramInformation;
    }

    return ReadResult::noError;
}
} // namespace xTV200_file
