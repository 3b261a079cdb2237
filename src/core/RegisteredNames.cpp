#include "core/RegisteredNames.h"

#include "interpreter/Registration.h"
#include "interpreter/ValueOperationDescriptors.h"

#include <array>

namespace velmora {

namespace {

    // The error of a name whose subsystem is missing. It names the primitive (the caller
    // records it) and says that the program in hand cannot do this.
    constexpr errorConst erSubsystemMissing = erVelmoraEditor;

    tlogoobject* primNotAvailable(tlogoobject*, tLogoStack&, int32_t, CallForm)
    {
        throw eLogoException(erSubsystemMissing);
    }

    // False until images exist; then true for every image.
    bool primIsImage(tlogoobject*, tlogoobject* value) { return value->isImage(); }

    struct NameRow {
        std::string_view name;
        int32_t inputs;
    };

    // Operations of images, reached through the value they are applied to.
    constexpr NameRow imageOperations[] = {
        { "tintcolour", 2 },
        { "imagesize", 1 },
        { "delay", 1 },
        { "setdelay", 2 },
        { "hotspot", 1 },
        { "sethotspot", 2 },
        { "imageinfo", 1 },
        { "setimageinfo", 2 },
    };

    // clang-format off
    constexpr NameRow missingSubsystems[] = {
        // Images, dates and the workspace.
        { "image", 2 }, { "emptyimage", 0 }, { "toanimfilm", 1 }, { "toframes", 1 },
        // Variables, procedures and property lists.
        { ".keyword?", 3 }, { ".translate", 2 },
        // Objects and classes.
        { "create", 0 }, { "destroy", 0 }, { "clone", 2 }, { "changeme", 0 }, { "setstate", 1 }, { ".setstate", 1 }, { ".setstate.", 1 },
        { ".planned", 0 }, { "toscreen", 1 }, { "toobject", 1 }, { "toabsolute", 1 },
        { "tocartesian", 1 }, { "mousepos", 0 }, { "setmousepos", 1 }, { "setmousecursor", 1 },
        { "activetoolbutton?", 0 },
        // Projects, image files and search paths.
        { "loadproject", 1 }, { "eraseall", 0 }, { "save", 1 }, { ".save", 1 }, { "load", 1 },
        { ".load", 1 }, { "saveforweb", 1 }, { "unpackwebproject", 1 }, { ".donotsave", 1 },
        { ".donotsaveproc", 1 }, { ".donotsaveevent", 1 }, { ".donotsavevar", 1 },
        { ".donotsaveallvars", 0 }, { ".changed?", 0 }, { ".setchanged", 1 },
        { "loadimage", 1 }, { "loadbitmap", 1 }, { ".loadimage", 1 }, { ".setloadimage", 1 },
        { ".setsaveoptions", 1 }, { "loadimagelist", 1 }, { "saveimage", 2 },
        { "savebitmap", 2 }, { "appendimage", 2 }, { "savetable", 1 }, { "expandfilename", 1 },
        { "folderlist", 1 }, { "reducepath", 2 }, { "loadpath", 0 }, { "filelist", 1 },
        { "setpath", 1 }, { "path", 0 },
        // Sound and media.
        { "playwave", 1 }, { "play", 1 }, { "mci", 1 }, { "note", 2 }, { "rest", 1 },
        { "setinstrument", 1 }, { "playfile", 1 }, { "openvideo", 3 }, { "closevideo", 1 },
        // Speech, dialogs, choosers, web, printing and ports.
        { "say", 1 }, { "setvoice", 1 }, { "voiceChooser", 0 }, { "dialogbox", 1 },
        { "messagebox", 1 }, { "edit", 1 }, { "chooser", 1 }, { "setbuttons", 1 },
        { "buttons", 0 }, { "readlistdialog", 0 }, { "readworddialog", 0 }, { "popup", 2 },
        { "openchooser", 3 }, { "savechooser", 3 }, { "savehtmlchooser", 3 },
        { "URLchooser", 1 }, { "colourchooser", 1 }, { "savepicturechooser", 1 },
        { "loadpicturechooser", 1 }, { "loadpicturechooser1", 1 }, { "loadimagechooser", 1 },
        { "wavechooser", 1 }, { "playChooser", 1 }, { "linepatternchooser", 1 },
        { "fillpatternchooser", 1 }, { "linewidthchooser", 1 }, { "finishselection", 1 },
        { "editimage", 1 }, { "explore", 1 }, { "showTime", 1 }, { "systemmetrics", 1 },
        { "setbuttonssize", 1 }, { ".setbubblewindow", 1 },
        { "openprojectchooser", 0 }, { "saveprojectchooser", 0 }, { "printersetup", 0 },
        { "demodialog", 0 }, { "buttonssize", 0 }, { "showbuttons", 0 }, { "hidebuttons", 0 },
        { ".bubblewindow", 0 }, { "closeExplorer", 0 }, { "activeJoysticks", 0 },
        { "dormantall", 0 }, { ".clpaint", 0 }, { ".paintcnt", 0 }, { ".paintrc", 0 },
        { "explorer?", 0 }, { "numJoysticks", 0 }, { "showdocument", 1 },
        { "browseDocument", 1 }, { "startPrintJob", 1 }, { "endPrintJob", 0 }, { "in", 1 },
        { "inW", 1 }, { "inD", 1 }, { "out", 2 }, { "outW", 2 }, { "outD", 2 },
    };
    // clang-format on

} // namespace

// These names only fill gaps: a primitive of a subsystem that exists keeps its own spellings.
void registerRemainingNames(tLogoTab& table, tlogoobject* owner)
{
    static constexpr auto rows = [] {
        std::array<PrimitiveRow, 1 + std::size(imageOperations) + std::size(missingSubsystems)>
            made;
        size_t next = 0;
        made[next++] = predicate<1>("image?", etFun, primIsImage);
        for (const NameRow& row : imageOperations)
            made[next++] = dispatcher(row.name, etFun, row.inputs, DispatchOn::FirstInput);
        for (const NameRow& row : missingSubsystems)
            made[next++] = variable(row.name, etFun, row.inputs, primNotAvailable);
        return made;
    }();
    registerPrimitives(table, owner, rows, Precedence::FillsGaps);
}

} // namespace velmora
