#include "processes/DefaultCommander.h"

namespace velmora {

namespace {

    class DiscardingCommander : public Icommander {
    public:
        void reportError(const eLogoException&) override { }
        void printText(std::string_view) override { }
    };

} // namespace

PlatformService<Icommander>& defaultCommanderService()
{
    // Never destroyed: threads that end while the program exits still reach it.
    static auto* service = new PlatformService<Icommander>(*new DiscardingCommander);
    return *service;
}

} // namespace velmora
