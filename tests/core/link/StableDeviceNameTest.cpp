#include "core/link/PortProbe.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qtr {
namespace {

TEST(StableDeviceNameTest, NamesTheByIdLinkThatLeadsToTheDevice)
{
    namespace fs = std::filesystem;
    test::TempFolder dev;
    fs::create_directories(dev.File("serial/by-id"));
    test::TempFolder::WriteBytes(dev.File("ttyUSB0"), {});
    test::TempFolder::WriteBytes(dev.File("ttyUSB1"), {});
    const std::string byId = dev.File("serial/by-id");
    const std::string cable = byId + "/usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0";
    fs::create_symlink("../../ttyUSB1", cable);
    fs::create_symlink("../../ttyUSB9", byId + "/usb-unplugged-if00-port0"); // dangling

    EXPECT_EQ(StableDeviceName(dev.File("ttyUSB1"), byId), cable);
    EXPECT_EQ(StableDeviceName(dev.File("ttyUSB0"), byId), "");
    EXPECT_EQ(StableDeviceName(dev.File("ttyUSB7"), byId), "");
    // A port already set to the stable name is not named twice; no folder, no name.
    EXPECT_EQ(StableDeviceName(cable, byId), "");
    EXPECT_EQ(StableDeviceName(dev.File("ttyUSB1"), dev.File("no-such-folder")), "");
}

} // namespace
} // namespace qtr
