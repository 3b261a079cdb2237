// The image value: the merge rule of its info, and the operations that must hand back the very
// image they were given, called as a dispatcher calls them.
#include "ImagePictures.h"
#include "values/ValueFixture.h"

#include "graphics/ImageOperations.h"
#include "interpreter/ClassTables.h"
#include "localization/NameTranslation.h"
#include "values/Errors.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"

#include <limits>

namespace velmora {
namespace {

    struct MergeCase {
        ImageInfo receiver;
        ImageInfo given;
        ImageInfo merged;
    };

    constexpr auto frame = FrameStyle::Frame;
    constexpr auto heading = FrameStyle::Heading;

    const MergeCase mergeCases[] = {
        { { heading, 10, true }, { heading, 20, true }, { heading, 10, true } },
        { { heading, 10, false }, { frame, 20, true }, { frame, 10, true } },
        { { frame, 10, false }, { heading, 20, false }, { frame, 10, false } },
        { { frame, 0, true }, { frame, 20, false }, { frame, 0, true } },
    };

    TEST(LogoImageTest, MergedInfoShowsByHeadingOnlyWhenBothDo)
    {
        for (const MergeCase& row : mergeCases)
            EXPECT_EQ(mergedInfo(row.receiver, row.given), row.merged);
    }

    class ImageIdentity : public ValueFixture {
    protected:
        ImageIdentity() { registerImageOperations(ClassTables::instance()); }

        // The operation's result for the image and one input read from source text.
        ValueRef call(std::string_view operation, tlogoobject* self, std::string_view input)
        {
            const ValueRef read(readList(input));
            return call(operation, self, static_cast<tLogoList*>(read.get())->first());
        }

        ValueRef call(std::string_view operation, tlogoobject* self, tlogoobject* input)
        {
            tProcDesc* desc = ClassTables::instance().images.findProc(codesOf(operation).front());
            state().valueStack.push(input);
            state().methodSelf = self;
            desc->callMethod(1);
            return state().valueStack.pop();
        }
    };

    TEST_F(ImageIdentity, ATurnByWholeCirclesAndAnUnchangedInfoGiveTheImageItself)
    {
        const ValueRef image(patternImageValue(2, 2));
        EXPECT_EQ(call("rotate", image.get(), "360").get(), image.get());
        EXPECT_EQ(call("rotate", image.get(), "-720").get(), image.get());
        EXPECT_EQ(
            call("setimageinfo", image.get(), "[style heading loop true]").get(), image.get());
        EXPECT_NE(call("setimageinfo", image.get(), "[zeroangle 5]").get(), image.get());
        EXPECT_NE(call("rotate", image.get(), "90").get(), image.get());
    }

    TEST_F(ImageIdentity, AnEndlessAngleIsRefused)
    {
        const ValueRef image(patternImageValue(1, 1));
        const ValueRef endless(makeReal(std::numeric_limits<LogoReal>::infinity()));
        try {
            call("rotate", image.get(), endless.get());
            ADD_FAILURE() << "no error";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.code, erBadValue);
        }
    }

    TEST_F(ImageIdentity, ImagesWithTheSamePicturesAreEqual)
    {
        const ValueRef image(patternImageValue(3, 1));
        const auto& frames = static_cast<tLogoImage*>(image.get())->frames();
        const ValueRef rebuilt(new tLogoImage({ makeFrame(frames[0]->pictures()),
            makeFrame(frames[1]->pictures()), makeFrame(frames[2]->pictures()) }));
        EXPECT_TRUE(image->equals(rebuilt.get()));
        const ValueRef other(patternImageValue(3, 1));
        EXPECT_FALSE(image->equals(other.get()));
        EXPECT_EQ(image->printForm(true), "<image, frames: 3>");
    }

} // namespace
} // namespace velmora
