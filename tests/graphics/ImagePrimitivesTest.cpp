// The image primitives as Logo uses them: the generic list operations reaching the image class
// table, the builders of the main object, and the pictures' properties. The images come from code
// (ImagePictures.h): "four" has four frames of one picture each (3x2, 4x2, 5x2, 6x2, hot spot
// [1 1], delay 0, the default info); "film" has one frame of three pictures (3x2, 3x3, 3x4, delays
// 0, 10 and 20) and the info [style frame zeroangle 45 loop false].
#include "ImagePictures.h"
#include "ImageSession.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    struct LineCase {
        std::string_view line;
        std::string_view expected; // what it prints, or "error N"
    };

    // clang-format off
    const LineCase cases[] = {
        // Printing, testing, counting.
        { "print count :four", "4" },
        { "print :four", "<image, frames: 4>" },
        { "print :film", "<image of one frame, pictures: 3>" },
        { "show (list emptyimage :film)", "[<image, frames: 0> <image of one frame, pictures: 3>]" },
        { "print image? :four", "true" },
        { "print image? [a]", "false" },
        // Reading frames.
        { "print (first :four) = (item 1 :four)", "true" },
        { "print (last :four) = (item 4 :four)", "true" },
        { "print (first :four) <> (item 2 :four)", "true" },
        { "print (first butfirst :four) = (item 2 :four)", "true" },
        { "print (last butlast :four) = (item 3 :four)", "true" },
        { "print count item [2 2] :four", "2" },
        { "print (item [2 1] :four) = (item 2 :four)", "true" },
        { "print count item [[0 2] 4 9] :four", "2" },
        { "print count item 9 :four", "0" },
        { "print count first emptyimage", "0" },
        { "print item \"x :four", "error 12" },
        { "print item [[1 2 3]] :four", "error 13" },
        { "print item [x] :four", "error 6" },
        // Strict indexing.
        { "setoption [strict 1] print item 9 :four", "error 11" },
        { "setoption [strict 1] print item [[1 1] 9] :four", "error 11" },
        { "setoption [strict 1] print item 1 emptyimage", "error 17" },
        { "setoption [strict 1] print first emptyimage", "error 17" },
        { "setoption [strict 1] print pick emptyimage", "error 17" },
        { "setoption [strict 0] print count item 0 :four", "0" },
        // The member family.
        { "print member? item 2 :four :four", "true" },
        { "print member? item [2 2] :four :four", "true" },
        { "print member? (image item 3 :four item 2 :four) :four", "false" },
        { "print member? emptyimage :four", "true" },
        { "print member item [3 2] :four :four", "3" },
        { "print member :film :four", "0" },
        { "print member? \"x :four", "error 10" },
        { "print (frommember item 2 :four :four) = (item [3 2] :four)", "true" },
        { "print count frommember :film :four", "0" },
        { "print count frommember emptyimage :four", "4" },
        { "print frommember \"x :four", "error 7" },
        { "print count butmember item 2 :four :four", "3" },
        { "print (butmember item [1 2] :four :four) = (image item 1 :four item [3 2] :four)", "true" },
        { "print (butitem 1 :four) = (item 2 :four)", "true" },
        { "print (butitem [2 2] :four) = (item [3 2] :four)", "true" },
        { "print (butitem [0 3] :four) = (item [2 2] :four)", "true" },
        // Building.
        { "print (reverse :four) = (image item 4 :four item 3 :four item 2 :four item 1 :four)", "true" },
        { "print count shuffle :four", "4" },
        { "print member? item 3 :four shuffle :four", "true" },
        { "print member? pick :four :four", "true" },
        { "print count fput :film :four", "5" },
        { "print (first fput :film :four) = :film", "true" },
        { "print (last lput :film :four) = :film", "true" },
        { "print fput \"x :four", "error 10" },
        { "show imageinfo fput :film :four", "[style frame zeroangle 0 loop true]" },
        { "show imageinfo lput :four :film", "[style frame zeroangle 45 loop true]" },
        { "print (replace 2 :four :film) = (image item 1 :four :film item [3 2] :four)", "true" },
        { "print (replace [2 2] :four :film) = (image item 1 :four :film item 4 :four)", "true" },
        { "print (replace 9 :four :film) = (lput :film :four)", "true" },
        { "print (replace 0 :four :film) = (fput :film :four)", "true" },
        { "print replace \"x :four :film", "error 12" },
        { "print replace [1 2 3] :four :film", "error 13" },
        { "print replace 1 :four [a]", "error 7" },
        { "foreach \"f :four [type repcount]", "1234" },
        { "foreach \"f :four [type first imagesize :f]", "3456" },
        // The main object's builders.
        { "print count (image)", "0" },
        { "print count (image :four :film :four)", "9" },
        { "print image :four \"x", "error 10" },
        { "print first toanimfilm :four", "<image of one frame, pictures: 4>" },
        { "print count (toanimfilm :four :film)", "2" },
        { "print count toframes :film", "3" },
        { "print count (toframes :film :four)", "7" },
        { "show imageinfo (toframes :film :four)", "[style frame zeroangle 45 loop true]" },
        // Sizes, delays, hot spots and the info.
        { "show imagesize :four", "[3 2]" },
        { "show imagesize emptyimage", "[0 0]" },
        { "print delay item 2 toframes :film", "10" },
        { "print delay emptyimage", "0" },
        { "print delay last setdelay :four 25", "25" },
        { "print delay last setdelay :four 0", "0" },
        { "print setdelay :four -5", "error 26" },
        { "show hotspot :four", "[1 1]" },
        { "show hotspot last sethotspot :four [4 -2]", "[4 -2]" },
        { "print sethotspot :four [1]", "error 13" },
        { "print sethotspot :four \"x", "error 13" },
        { "show imageinfo :four", "[style heading zeroangle 0 loop true]" },
        { "show imageinfo setimageinfo :four [style frame zeroangle 90 loop false]", "[style frame zeroangle 90 loop false]" },
        { "show imageinfo setimageinfo :film [style heading loop true]", "[style heading zeroangle 45 loop true]" },
        { "print setimageinfo :four \"x", "error 6" },
        { "print setimageinfo :four [style sideways]", "error 8" },
        { "print setimageinfo :four [colour red]", "error 8" },
        { "print setimageinfo :four [zeroangle x]", "error 8" },
        { "print setimageinfo :four [style]", "error 28" },
        // Rotating and tinting make new pictures.
        { "print (rotate :four 360) = :four", "true" },
        { "print (rotate :four 90) = :four", "false" },
        { "show imagesize rotate :four 90", "[2 3]" },
        { "show hotspot rotate :four 90", "[1 1]" },
        { "show imagesize rotate sethotspot :four [2000000000 -2147483648] 30", "error 9" },
        { "print count tintcolour :four \"red", "4" },
        { "show imagesize tintcolour :film [0 0 255]", "[3 2]" },
    };
    // clang-format on

    TEST(ImagePrimitivesTest, LogoLinesWorkOnImages)
    {
        ImageSession session({ { "four", patternImageValue(4, 1) },
            { "film",
                patternImageValue(
                    1, 3, { .style = FrameStyle::Frame, .zeroAngle = 45, .loop = false }) } });
        for (const LineCase& row : cases)
            EXPECT_EQ(session.run(std::string(row.line)), row.expected) << row.line;
    }

} // namespace
} // namespace velmora
