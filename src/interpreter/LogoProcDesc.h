// User procedures: tLogoProcDesc with its two forms, fixed inputs (tLogoProcDescF) and one input
// that receives the list of all actual inputs (tLogoProcDescV).
//
// A call opens a frame of the process's local table binding the inputs, runs the body (compiled
// once as lines) and closes the frame. "output" and "stop" in the body end it through the stop
// flag; a call of a user procedure as the body's last instruction is left pending and run by the
// caller's tail-call loop in the same frame, so tail recursion runs in constant native stack and
// constant local-table depth. An error passing out of the body records the procedure, its owner
// and the line of its text where the error happened.
#pragma once

#include "interpreter/ProcDesc.h"

#include <string>
#include <vector>

namespace velmora {

class eLogoException;
class tLogoList;

class tLogoProcDesc : public tProcDesc {
public:
    ~tLogoProcDesc() override;

    // The procedure's text as defined ("to" line, body, "end"), rebuilt when it had none.
    std::string valueText() override;
    // [[inputs] line ...]: the "text" form.
    tlogoobject* definitionList() override;
    bool mayRedefine(bool whileRunning) override;

    // A call opens a frame of its own; a tail call binds its inputs in the frame of the body it
    // ended; a call through "apply" runs the body as a nested run (no tail call leaves it pending).
    void call(int32_t inputCount, CallForm form, CallRoute route) override;

    tLogoList* body() const { return m_body; }
    const std::string& sourceText() const { return m_sourceText; }
    const std::vector<NameCode>& inputNames() const { return m_inputNames; }
    // The listing's body lines as the reader would count their elements.
    std::string bodyListing();

protected:
    // `body` is the list of line lists; one reference is taken.
    tLogoProcDesc(NameCode name, int32_t defpar, bool varpar, tLogoList* body,
        std::vector<NameCode> inputNames, std::string sourceText);

    // Brings the actual inputs into the form the procedure binds (error 27 or 38 for a wrong
    // count of fixed inputs).
    virtual void prepareInputs(int32_t inputCount) = 0;
    virtual std::string titleInputs() const = 0;
    virtual tlogoobject* inputList() const = 0;

private:
    void bindInputs(CallRoute route);
    void runBody();
    void recordPlace(eLogoException& error);

    tLogoList* m_body;
    std::vector<NameCode> m_inputNames;
    std::string m_sourceText;
};

class tLogoProcDescF final : public tLogoProcDesc {
public:
    tLogoProcDescF(
        NameCode name, std::vector<NameCode> inputNames, tLogoList* body, std::string sourceText);

private:
    void prepareInputs(int32_t inputCount) override;
    std::string titleInputs() const override;
    tlogoobject* inputList() const override;
};

class tLogoProcDescV final : public tLogoProcDesc {
public:
    tLogoProcDescV(NameCode name, NameCode input, int32_t defaultCount, tLogoList* body,
        std::string sourceText);

private:
    void prepareInputs(int32_t inputCount) override;
    std::string titleInputs() const override;
    tlogoobject* inputList() const override;
};

} // namespace velmora
