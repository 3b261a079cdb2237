#include "controls/MainWindowProperties.h"

#include "controls/MainWindowObject.h"
#include "controls/PageObject.h"
#include "graphics/PenInputs.h"
#include "objects/PropertyRegistration.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

#include <utility>

namespace velmora {

namespace {

    // The window the object is in, which objects placed in it reach the properties of; a class,
    // which has the commands of its instances' properties, is in none: error 79.
    tSplitwindow& windowOf(tmultiobject& object)
    {
        for (tmultiobject* place = &object; place; place = place->place())
            if (auto* window = dynamic_cast<tSplitwindow*>(place))
                return *window;
        throw eLogoException(erInitGraphic);
    }

    tlogoobject* getActivePage(tmultiobject& object)
    {
        tlogopage* page = windowOf(object).currentPage();
        if (!page)
            throw eLogoException(erNoCurPage);
        return makeWord(page->name());
    }

    void setActivePage(tmultiobject& object, tlogoobject* name)
    {
        tSplitwindow& window = windowOf(object);
        window.showPage(window.existingPage(name));
    }

    tlogoobject* getCaption(tmultiobject& object) { return makeWord(windowOf(object).caption()); }

    void setCaption(tmultiobject& object, tlogoobject* caption)
    {
        windowOf(object).setCaption(caption->printForm(false));
    }

    // The window is never minimized nor maximized: a state given must be a number, and is not
    // taken.
    tlogoobject* getWindowState(tmultiobject& object)
    {
        windowOf(object);
        return makeInteger(0);
    }

    void setWindowState(tmultiobject& object, tlogoobject* state)
    {
        windowOf(object);
        state->asInteger();
    }

    // What a kept property's values must be: each is checked, and kept as it reads back.
    enum class Kept { Truth, Colour, Number, List, AnyValue };

    struct KeptProperty {
        int32_t code;
        Kept kind;
        int32_t initial; // the truth value, colour or number; lists start empty, others as ""
    };

    tlogoobject* initialValue(const KeptProperty& property)
    {
        switch (property.kind) {
        case Kept::Truth:
            return makeBool(property.initial != 0);
        case Kept::Colour:
            return colourOutput(static_cast<QRgb>(property.initial));
        case Kept::Number:
            return makeInteger(property.initial);
        case Kept::List:
            return makeEmptyList();
        case Kept::AnyValue:
            break;
        }
        return makeWord("");
    }

    tlogoobject* checkedValue(Kept kind, tlogoobject* value)
    {
        switch (kind) {
        case Kept::Truth:
            return makeBool(value->asBool());
        case Kept::Colour:
            return colourOutput(colourInput(value));
        case Kept::Number:
            return makeInteger(value->asInteger());
        case Kept::List:
            return requireList(value);
        case Kept::AnyValue:
            break;
        }
        return value;
    }

    template <const auto& Table, size_t Index> tlogoobject* getKept(tmultiobject& object)
    {
        const KeptProperty& property = Table[Index];
        const auto& kept = windowOf(object).keptProperties;
        const auto found = kept.find(property.code);
        return found != kept.end() ? found->second.get() : initialValue(property);
    }

    template <const auto& Table, size_t Index>
    void setKept(tmultiobject& object, tlogoobject* value)
    {
        const KeptProperty& property = Table[Index];
        windowOf(object).keptProperties[property.code] = checkedValue(property.kind, value);
    }

    template <const auto& Table, size_t... Index>
    void registerKept(tmultiobject& owner, PropertyBinding binding, std::index_sequence<Index...>)
    {
        (registerMethodProperty(owner,
             { .code = Table[Index].code,
                 .getter = getKept<Table, Index>,
                 .setter = setKept<Table, Index> },
             binding),
            ...);
    }

    template <const auto& Table> void registerKept(tmultiobject& owner, PropertyBinding binding)
    {
        registerKept<Table>(owner, binding, std::make_index_sequence<std::size(Table)>());
    }

    constexpr int32_t activePageCode = 19;
    constexpr int32_t captionCode = 20;
    constexpr int32_t windowStateCode = 66;
    constexpr int32_t black = 0;

    constexpr KeptProperty keptByClass[] = {
        { .code = 62, .kind = Kept::List, .initial = 0 }, // mainvoiceMenu
        { .code = 129, .kind = Kept::AnyValue, .initial = 0 }, // prompt
        { .code = 130, .kind = Kept::AnyValue, .initial = 0 }, // readlistPrompt
        { .code = 173, .kind = Kept::Colour, .initial = black }, // borderColour
        { .code = 174, .kind = Kept::Truth, .initial = true }, // acceptCommands
        { .code = 182, .kind = Kept::Number, .initial = 0 }, // screenState
        { .code = 183, .kind = Kept::Truth, .initial = false }, // mainbarShown
        { .code = 184, .kind = Kept::Truth, .initial = false }, // paintbarShown
    };

    constexpr KeptProperty keptByWindow[] = {
        { .code = 175, .kind = Kept::Truth, .initial = true }, // acceptKeyMenu
        { .code = 177, .kind = Kept::Truth, .initial = true }, // acceptVoiceMenu
    };

} // namespace

void registerMainWindowClassProperties(tmultiobject& windowClass)
{
    registerMethodProperty(windowClass,
        { .code = captionCode, .getter = getCaption, .setter = setCaption },
        PropertyBinding::Instances);
    registerMethodProperty(windowClass,
        { .code = windowStateCode, .getter = getWindowState, .setter = setWindowState },
        PropertyBinding::Instances);
    registerKept<keptByClass>(windowClass, PropertyBinding::Instances);
}

void registerMainWindowOwnProperties(tSplitwindow& window)
{
    registerMethodProperty(window,
        { .code = activePageCode, .getter = getActivePage, .setter = setActivePage },
        PropertyBinding::Object);
    registerKept<keptByWindow>(window, PropertyBinding::Object);
}

} // namespace velmora
