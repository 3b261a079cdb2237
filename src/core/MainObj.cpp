#include "core/MainObj.h"

#include "core/ApplyPrimitives.h"
#include "core/AskPrimitives.h"
#include "core/CatchPrimitives.h"
#include "core/Clipboard.h"
#include "core/ControlPrimitives.h"
#include "core/ElapsedTime.h"
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
#include "localization/NameCodes.h"

namespace velmora {

tMainLogoObject::tMainLogoObject()
    : tlogoobject(ValueKind::Object)
    , m_procedures(std::make_unique<tLogoTab>())
    , m_globals(std::make_unique<tLogoGlobalVarTab>())
    , m_timers { { std::string(), nowMilliseconds() } }
{
    ownTable = m_procedures.get();
    m_procedures->owner = this;
    m_globals->owner = this;
    registerPrimitives();
}

tMainLogoObject::~tMainLogoObject()
{
    // Names resolved for this object must not be trusted for another at the same address.
    ResolutionStamp::advance();
}

tProcDesc* tMainLogoObject::tryProc(NameCode name, int32_t) { return ownTable->findProc(name); }

void tMainLogoObject::registerPrimitives()
{
    registerWordAndArithmeticPrimitives(*m_procedures, this);
    registerControlPrimitives(*m_procedures, this);
    registerCatchPrimitives(*m_procedures, this);
    registerApplyPrimitives(*m_procedures, this);
    registerTimerPrimitives(*m_procedures, this);
    registerAskPrimitives(*m_procedures, this);
    registerProcessPrimitives(*m_procedures, this);
    registerPrintPrimitives(*m_procedures, this);
    registerVariablePrimitives(*m_procedures, this);
    registerNamePrimitives(*m_procedures, this);
    registerPropertyListPrimitives(*m_procedures, this);
    registerListPrimitives(*m_procedures, this);
    registerOptionPrimitives(*m_procedures, this);
    registerTextFilePrimitives(*m_procedures, this);
    registerKeyPrimitives(*m_procedures, this);
    registerWorkspacePrimitives(*m_procedures, this);
    registerRemainingNames(*m_procedures, this);
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

tlogoobject* tMainLogoObject::findObject(NameCode name)
{
    return name == NameCodes::instance().find(mainClassName()) ? this : nullptr;
}

} // namespace velmora
