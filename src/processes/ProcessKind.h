// ProcessKind: what started a Logo process, and the kind of place an error in it is reported as.
//
// One row per kind: its name, its number (the numbers are shared with the place kinds of error
// reports and never change) and the place kind its errors carry (ipNone: the error names no
// process). The enum and placeKindOf are both made from this one list, so they cannot disagree.
#pragma once

#include "values/ErrorCodes.h"

#include <cstdint>

// X(name, number, place kind of its errors)
#define VELMORA_PROCESS_KINDS(X)                                                                   \
    X(Event, 2, ipEvent) /* object events, buttons, tool actions */                                \
    X(Menu, 3, ipMenu) /* menu commands, font choosers */                                          \
    X(Media, 4, ipMCINotify) /* media-control notifications */                                     \
    X(Voice, 5, ipVoiceMenu) /* voice commands */                                                  \
    X(Control, 6, ipNone) /* window controls */                                                    \
    X(Receive, 7, ipNetworkRun) /* network receptions */                                           \
    X(Main, 8, ipInitialLoad) /* "@main", started at start-up */                                   \
    X(Commander, 9, ipNone) /* the command line */                                                 \
    X(Launch, 10, ipLaunch)                                                                        \
    X(Forever, 11, ipForever)                                                                      \
    X(Every, 13, ipEvery)                                                                          \
    X(After, 14, ipAfter)                                                                          \
    X(Drag, 15, ipAutoDrag) /* an object dragging itself */                                        \
    X(Tool, 16, ipNone) /* pressing a tool button */                                               \
    X(Clean, 18, ipCleaning) /* "@clean", loading a project */

namespace velmora {

enum class ProcessKind : uint8_t {
#define VELMORA_PROCESS_KIND_ENUMERATOR(name, number, place) name = number,
    VELMORA_PROCESS_KINDS(VELMORA_PROCESS_KIND_ENUMERATOR)
#undef VELMORA_PROCESS_KIND_ENUMERATOR
};

constexpr tInprocType placeKindOf(ProcessKind kind)
{
    switch (kind) {
#define VELMORA_PROCESS_KIND_PLACE(name, number, place)                                            \
    case ProcessKind::name:                                                                        \
        return place;
        VELMORA_PROCESS_KINDS(VELMORA_PROCESS_KIND_PLACE)
#undef VELMORA_PROCESS_KIND_PLACE
    }
    return ipNone;
}

} // namespace velmora
