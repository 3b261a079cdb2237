#include "core/TextFilePrimitives.h"

#include "core/Clipboard.h"
#include "core/TextInputStream.h"
#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // The player never touches files: these fail with error 51 naming their input.
    tlogoobject* primRefuseFile(tlogoobject*, tlogoobject* name)
    {
        throw eLogoException(erNoSave, name);
    }
    tlogoobject* primRefuseFiles(tlogoobject*, tlogoobject* name, tlogoobject*)
    {
        throw eLogoException(erNoSave, name);
    }
    bool primNoFile(tlogoobject*, tlogoobject*) { return false; }

    // Lines end at CR or LF; LFs right after a line end are skipped, so CR LF ends one line and
    // lines of LF alone are dropped.
    tlogoobject* linesOf(const std::string& text)
    {
        ListBuilder lines;
        size_t position = 0;
        while (position < text.size()) {
            const size_t end = std::min(text.find_first_of("\r\n", position), text.size());
            lines.append(makeWord(text.substr(position, end - position)));
            position = end + 1;
            while (position < text.size() && text[position] == '\n')
                ++position;
        }
        return lines.finish();
    }

    tlogoobject* primLoadText(tlogoobject*, tlogoobject* name)
    {
        if (!namesClipboard(name))
            return makeEmptyList();
        const std::optional<std::string> text = clipboard().text();
        if (!text)
            throw eLogoException(erClipboard, name);
        return linesOf(*text);
    }

    // A list is written one element per line, any other value in its printed form.
    std::string fileText(tlogoobject* value)
    {
        if (!value->isList())
            return value->printForm(false);
        std::string text;
        for (tlogoobject* element : elements(static_cast<tLogoList*>(value)))
            text += element->printForm(false) + "\r\n";
        return text;
    }

    Iclipboard& writableClipboard(tlogoobject* name)
    {
        if (!namesClipboard(name))
            throw eLogoException(erNoSave, name);
        return clipboard();
    }

    tlogoobject* primSaveText(tlogoobject*, tlogoobject* name, tlogoobject* value)
    {
        writableClipboard(name).setText(fileText(value));
        return nullptr;
    }

    tlogoobject* primAppendText(tlogoobject*, tlogoobject* name, tlogoobject* value)
    {
        Iclipboard& target = writableClipboard(name);
        target.setText(target.text().value_or(std::string()) + fileText(value));
        return nullptr;
    }

    tlogoobject* primLoadTable(tlogoobject*, tlogoobject*) { return nullptr; }

    // Any input closes the open stream; the clipboard's name opens a new one over its text.
    tlogoobject* primReadFrom(tlogoobject*, tlogoobject* name)
    {
        std::optional<TextInputStream>& stream = TextInputStream::current();
        stream.reset();
        if (namesClipboard(name))
            stream.emplace(clipboard().text().value_or(std::string()));
        return nullptr;
    }

    std::string nextLine()
    {
        std::optional<TextInputStream>& stream = TextInputStream::current();
        return stream ? stream->readLine() : std::string();
    }

    tlogoobject* primReadWord(tlogoobject*) { return makeWord(nextLine()); }
    tlogoobject* primReadList(tlogoobject*) { return readList(nextLine()); }

    bool primEof(tlogoobject*)
    {
        const std::optional<TextInputStream>& stream = TextInputStream::current();
        return stream && stream->atEnd();
    }

    // The clipboard's text as a word; the empty word when it holds none.
    tlogoobject* primClipboard(tlogoobject*)
    {
        return makeWord(clipboard().text().value_or(std::string()));
    }

} // namespace

void registerTextFilePrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        predicate<1>("file?", etFun, primNoFile),
        predicate<1>("folder?", etFun, primNoFile),
        fixed<1>("erasefile", etFun, primRefuseFile),
        fixed<1>("erasefile?", etFun, primRefuseFile),
        fixed<2>("renamefile", etFun, primRefuseFiles),
        fixed<2>("renamefile?", etFun, primRefuseFiles),
        fixed<1>("erasefolder", etFun, primRefuseFile),
        fixed<1>("erasefolder?", etFun, primRefuseFile),
        fixed<1>("createfolder", etFun, primRefuseFile),
        fixed<1>("createfolder?", etFun, primRefuseFile),
        fixed<1>("loadtext", etFun, primLoadText),
        fixed<2>("savetext", etFun, primSaveText),
        fixed<2>("appendtext", etFun, primAppendText),
        fixed<1>("loadtable", etFun, primLoadTable),
        fixed<1>("readfrom", etFun, primReadFrom),
        fixed<0>("readword", etFun, primReadWord),
        fixed<0>("readlist", etFun, primReadList),
        predicate<0>("eof?", etFun, primEof),
        fixed<0>("clipboard", etFun, primClipboard),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
