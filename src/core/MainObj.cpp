#include "core/MainObj.h"

#include "core/ApplyPrimitives.h"
#include "core/AskPrimitives.h"
#include "core/CatchPrimitives.h"
#include "core/Clipboard.h"
#include "core/ColourPrimitives.h"
#include "core/ControlPrimitives.h"
#include "core/ElapsedTime.h"
#include "core/EntryPrimitives.h"
#include "core/KeyPrimitives.h"
#include "core/ListPrimitives.h"
#include "core/NamePrimitives.h"
#include "core/OptionPrimitives.h"
#include "core/PrintPrimitives.h"
#include "core/ProcessPrimitives.h"
#include "core/PropertyListPrimitives.h"
#include "core/RegisteredNames.h"
#include "core/TextFilePrimitives.h"
#include "core/TimerPrimitives.h"
#include "core/VariablePrimitives.h"
#include "core/WordPrimitives.h"
#include "core/WorkspacePrimitives.h"
#include "interpreter/Commander.h"
#include "interpreter/InterpreterState.h"
#include "localization/LanguageWords.h"
#include "objects/BehaviourPrimitives.h"
#include "objects/CreationParameters.h"
#include "objects/EventPrimitives.h"
#include "objects/ListingPrimitives.h"
#include "objects/ObjectInquiryPrimitives.h"
#include "objects/ObjectProperties.h"
#include "objects/OwnVariablePrimitives.h"

namespace velmora {

tMainLogoObject::tMainLogoObject()
    : tcontainerobject({}, mainClassName(), std::make_unique<tLogoGlobalVarTab>())
    , m_timers { { std::string(), nowMilliseconds() } }
{
    registerPrimitives();
}

tProcDesc* tMainLogoObject::tryProc(NameCode name, int32_t*) { return ownTable->findProc(name); }

void tMainLogoObject::registerPrimitives()
{
    registerWordAndArithmeticPrimitives(procTable(), this);
    registerControlPrimitives(procTable(), this);
    registerCatchPrimitives(procTable(), this);
    registerApplyPrimitives(procTable(), this);
    registerTimerPrimitives(procTable(), this);
    registerAskPrimitives(procTable(), this);
    registerProcessPrimitives(procTable(), this);
    registerPrintPrimitives(procTable(), this);
    registerVariablePrimitives(procTable(), this);
    registerNamePrimitives(procTable(), this);
    registerEntryPrimitives(procTable(), this);
    registerPropertyListPrimitives(procTable(), this);
    registerListPrimitives(procTable(), this);
    registerOptionPrimitives(procTable(), this);
    registerTextFilePrimitives(procTable(), this);
    registerKeyPrimitives(procTable(), this);
    registerWorkspacePrimitives(procTable(), this);
    registerColourPrimitives(procTable(), this);
    registerBehaviourPrimitives(procTable(), this);
    registerOwnVariablePrimitives(procTable(), this);
    registerEventPrimitives(procTable(), this);
    registerListingPrimitives(procTable(), this);
    registerObjectInquiryPrimitives(procTable(), this);
    registerCreationParameterPrimitives(procTable(), this);
    registerObjectProperties(*this);
    registerRemainingNames(procTable(), this);
}

void tMainLogoObject::writeOutput(std::string_view text)
{
    if (m_clipboardBuffer) {
        m_clipboardBuffer->append(text);
        return;
    }
    if (Icommander* commander = InterpreterState::current()->commander)
        commander->printText(text);
}

void tMainLogoObject::redirectToClipboard()
{
    closeRedirection();
    m_clipboardBuffer.emplace();
}

void tMainLogoObject::closeRedirection()
{
    if (m_clipboardBuffer)
        clipboard().setText(*std::exchange(m_clipboardBuffer, std::nullopt));
}

} // namespace velmora
