// A console session whose main object has the image primitives and whose global variables hold
// images built in code, so that Logo lines can work on images before anything loads them.
#pragma once

#include "core/EngineStartup.h"
#include "core/MainObj.h"
#include "graphics/ImageOperations.h"
#include "interpreter/Commander.h"
#include "localization/NameCodes.h"
#include "startup/ConsoleSession.h"

#include <map>
#include <string>

namespace velmora {

class ImageSession {
public:
    // The images are held by the session's variables of those names.
    explicit ImageSession(std::map<std::string, tlogoobject*> images)
        : m_session(m_printed, nullptr, [images](tMainLogoObject& main, ProcessStart&) {
            startImages(main);
            for (const auto& [name, image] : images)
                main.globals().setVar(NameCodes::instance().intern(name), image);
        })
    {
    }
    ~ImageSession() { m_session.finish(); }

    // What the line prints, or "error N" when it fails.
    std::string run(const std::string& line)
    {
        m_printed.text.clear();
        m_session.feedLine(line);
        std::string text;
        for (char c : m_printed.text)
            if (c != '\r')
                text += c;
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text;
    }

private:
    struct Printed : Icommander {
        void reportError(const eLogoException& error) override
        {
            text += "error " + std::to_string(error.code);
        }
        void printText(std::string_view printed) override { text += printed; }
        std::string text;
    };

    // The engine starts before the session makes its main object.
    struct StartedEngine {
        StartedEngine() { startEngine(); }
    } m_engine;
    Printed m_printed;
    ConsoleSession m_session;
};

} // namespace velmora
