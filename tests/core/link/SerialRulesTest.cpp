#include "core/base/MemorySettingsStore.h"
#include "core/base/messages/Link.h"
#include "core/link/LineSettings.h"
#include "core/link/PortDirectory.h"
#include "core/link/PortProbe.h"
#include "core/link/TransferProgress.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(PortDirectoryTest, NamesPortsAsWindowsDoes)
{
    EXPECT_EQ(PortDirectory::WindowsName(1), "COM1");
    EXPECT_EQ(PortDirectory::WindowsName(9), "COM9");
    EXPECT_EQ(PortDirectory::WindowsName(10), "\\\\.\\COM10");
    EXPECT_EQ(PortDirectory::WindowsName(20), "\\\\.\\COM20");
}

TEST(PortDirectoryTest, TakesTheConfiguredDeviceElseTheUsbAdapterOfTheNumber)
{
    MemorySettingsStore store;
    store.WriteText("Ports", "COM2", "/dev/ttyS0");
    store.WriteText("Ports", "COM3", "");
    const PortDirectory directory(&store);
    EXPECT_EQ(directory.DeviceFor(1), "/dev/ttyUSB0");
    EXPECT_EQ(directory.DeviceFor(2), "/dev/ttyS0");
    EXPECT_EQ(directory.DeviceFor(3), "/dev/ttyUSB2");
    EXPECT_EQ(PortDirectory().DeviceFor(20), "/dev/ttyUSB19");
}

TEST(PortDirectoryTest, LabelsSkipTheMessageNumberAfterTheThirdPort)
{
    EXPECT_EQ(PortLabelId(1), messages::link::kCom1);
    EXPECT_EQ(PortLabelId(3), messages::link::kCom3);
    EXPECT_EQ(PortLabelId(4), messages::link::kCom4);
    EXPECT_EQ(PortLabelId(5), messages::link::kCom5);
    EXPECT_EQ(PortLabelId(20), messages::link::kCom20);
}

TEST(LineSettingsTest, ReadsTheModeTextWithOrWithoutBlanks)
{
    EXPECT_EQ(LineSettings::WithoutBlanks(" 9600, N ,8 , 2"), "9600,N,8,2");
    const auto line = LineSettings::Parse("19200, e,7,1");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->baud, 19200u);
    EXPECT_EQ(line->parity, 'E');
    EXPECT_EQ(line->dataBits, 7u);
    EXPECT_EQ(line->stopBits, 1u);
    for (const char* wrong : {"", "9600", "9600,N,8", "9600,X,8,2", "9600,N,9,2", "9600,N,8,3", "96x0,N,8,2", "9600,NN,8,2"})
        EXPECT_FALSE(LineSettings::Parse(wrong)) << wrong;
}

TEST(LineSettingsTest, ChangingTheRateKeepsTheOtherFields)
{
    EXPECT_EQ(LineSettings::WithRate("9600,N,8,2", 1200), "1200,N,8,2");
    EXPECT_EQ(LineSettings::WithRate("4800,E,7,1", 19200), "19200,E,7,1");
    EXPECT_EQ(LineSettings::WithRate("garbage", 9600), "9600,N,8,2");
}

TEST(TransferProgressTest, ShowsTheShareDoneAndNeverMoreThanAll)
{
    EXPECT_EQ(TransferProgress::PercentText(0, 0, 1024), "0%");
    EXPECT_EQ(TransferProgress::PercentText(512, 0, 1024), "50%");
    EXPECT_EQ(TransferProgress::PercentText(816, 0, 811), "100%"); // the last write block
    EXPECT_EQ(TransferProgress::PercentText(5, 0, 0), "0%");
    EXPECT_EQ(TransferProgress::FilledWidth(256, 0, 1024, 200), 50);
    EXPECT_EQ(TransferProgress::FilledWidth(816, 0, 811, 200), 200);
}

} // namespace
} // namespace qtr
