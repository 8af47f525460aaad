#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <vector>

#include "core/Register.h"

namespace orvan {
namespace {

// Records what the image asks of its port; paths in openable open, all others fail.
class FakePort : public SerialPort {
  public:
    bool Open(const std::string& path) override {
        opened.push_back(path);
        isOpen = openable.count(path) > 0;
        return isOpen;
    }
    void Configure() override { ++configures; }
    bool IsOpen() const override { return isOpen; }
    void Close() override {
        ++closes;
        isOpen = false;
    }
    bool Write(const std::string& bytes) override {
        written.push_back(bytes);
        return true;
    }
    ReadStatus ReadByte(char& byte) override {
        byte = 'x';
        return ReadStatus::Byte;
    }
    bool HasFailed() const override { return false; }
    std::string OpenFailureReason() const override { return "belegt"; }
    bool CanOpen(const std::string& path) override {
        probed.push_back(path);
        return openable.count(path) > 0;
    }
    std::string DeviceFor(const std::string& path) const override { return "/dev/" + path; }

    std::set<std::string> openable;
    std::vector<std::string> opened;
    std::vector<std::string> written;
    std::vector<std::string> probed;
    int configures = 0;
    int closes = 0;
    bool isOpen = false;
};

const std::string kCom1 = "\\\\.\\COM1";
const std::string kCom2 = "\\\\.\\COM2";

struct ImageWithPort {
    ImageWithPort() : port(new FakePort), image(std::unique_ptr<SerialPort>(port)) {
        port->openable = {kCom1, kCom2};
    }
    FakePort* port;  // owned by image
    Register image;
};

void ExpectDefaults(const Register& image) {
    for (int n = 0; n < kRegisterCount; ++n) {
        ASSERT_EQ(image.Value(n), "00000000") << "register " << n;
    }
    EXPECT_TRUE(image.fileName.empty());
    EXPECT_FALSE(image.changed);
    EXPECT_FALSE(image.hasAfSquelch);
    EXPECT_EQ(image.versionText, "Für Version muss Gerät zunächst ausgelesen werden.");
}

TEST(RegisterImage, FreshImageHoldsDefaults) {
    Register image;
    ExpectDefaults(image);
    for (const std::string& path : image.portPaths) {
        EXPECT_TRUE(path.empty());
    }
}

TEST(RegisterImage, ResetRestoresDefaultsButKeepsPortAndPortTable) {
    ImageWithPort fixture;
    Register& image = fixture.image;
    image.portPaths[2] = "\\\\.\\COM3";
    ASSERT_EQ(image.OpenPort(kCom1), 1);
    image.SetValue(0, "11111111");
    image.SetValue(299, "abc");
    image.fileName = "/tmp/x.rvx2a2";
    image.changed = true;
    image.hasAfSquelch = true;
    image.versionText = "VEXA 2a2 N V1.33";

    image.Reset();

    ExpectDefaults(image);
    EXPECT_TRUE(image.IsPortOpen());
    EXPECT_EQ(fixture.port->closes, 0);
    EXPECT_EQ(image.portPaths[2], "\\\\.\\COM3");
}

TEST(RegisterImage, RegisterNumbersOutsideTheTableAreRejected) {
    Register image;
    EXPECT_THROW(image.Value(-1), std::out_of_range);
    EXPECT_THROW(image.Value(kRegisterCount), std::out_of_range);
    EXPECT_THROW(image.SetValue(kRegisterCount, "1"), std::out_of_range);
    EXPECT_THROW(image.CharAt(-1, 0), std::out_of_range);
    EXPECT_THROW(image.ReplaceChars(1000, 0, "1"), std::out_of_range);
    EXPECT_NO_THROW(image.Value(kRegisterCount - 1));
}

TEST(RegisterImage, CharAtGivesZeroBeyondTheValue) {
    Register image;
    image.SetValue(5, "1A");
    EXPECT_EQ(image.CharAt(5, 0), '1');
    EXPECT_EQ(image.CharAt(5, 1), 'A');
    EXPECT_EQ(image.CharAt(5, 2), '0');
    EXPECT_EQ(image.CharAt(5, 1000000), '0');
    image.SetValue(6, "");
    EXPECT_EQ(image.CharAt(6, 0), '0');
    EXPECT_EQ(image.Value(5), "1A");
}

TEST(RegisterImage, ReplaceCharsWorksInPlace) {
    Register image;
    image.SetValue(9, "12345678");
    image.ReplaceChars(9, 2, "AB");
    EXPECT_EQ(image.Value(9), "12AB5678");
    image.ReplaceChars(9, 0, "");
    EXPECT_EQ(image.Value(9), "12AB5678");
    EXPECT_EQ(image.Value(8), "00000000");
}

TEST(RegisterImage, ReplaceCharsPadsAShortValueWithZerosFirst) {
    Register image;
    image.SetValue(7, "1");
    image.ReplaceChars(7, 4, "AB");
    EXPECT_EQ(image.Value(7), "1000AB");
    image.SetValue(7, "");
    image.ReplaceChars(7, 7, "F");
    EXPECT_EQ(image.Value(7), "0000000F");
    image.ReplaceChars(7, 7, "EE");
    EXPECT_EQ(image.Value(7), "0000000EE");
}

TEST(RegisterImage, WithoutPortNothingOpensAndNothingHappens) {
    Register image;
    image.portPaths[4] = "\\\\.\\COM5";
    EXPECT_EQ(image.OpenPort(kCom1), -1);
    EXPECT_FALSE(image.IsPortOpen());
    image.WriteText("$PROGSTART\r");
    image.SendProgStart();
    image.ClosePort();
    char byte = 0;
    EXPECT_EQ(image.ReadByte(byte), ReadStatus::Failed);
    EXPECT_FALSE(image.PortFailed());
    EXPECT_EQ(image.PortOpenFailureReason(), "");
    EXPECT_EQ(image.DeviceFor(kCom1), "");
    const auto ports = image.EnumeratePorts();
    EXPECT_EQ(ports[4], "\\\\.\\COM5");
    EXPECT_EQ(ports, image.portPaths);
}

TEST(RegisterImage, FailedOpenLeavesThePortClosed) {
    ImageWithPort fixture;
    EXPECT_EQ(fixture.image.OpenPort("\\\\.\\COM9"), -1);
    EXPECT_FALSE(fixture.image.IsPortOpen());
    EXPECT_EQ(fixture.image.PortOpenFailureReason(), "belegt");
}

TEST(RegisterImage, SecondOpenKeepsTheHandleAndOnlyReconfigures) {
    ImageWithPort fixture;
    EXPECT_EQ(fixture.image.OpenPort(kCom1), 1);
    EXPECT_EQ(fixture.image.OpenPort(kCom2), 1);
    EXPECT_EQ(fixture.port->opened, std::vector<std::string>{kCom1});
    EXPECT_EQ(fixture.port->configures, 1);
    EXPECT_EQ(fixture.port->closes, 0);
}

TEST(RegisterImage, ClosePortClosesOnlyAnOpenPort) {
    ImageWithPort fixture;
    fixture.image.ClosePort();
    EXPECT_EQ(fixture.port->closes, 0);
    fixture.image.OpenPort(kCom1);
    fixture.image.ClosePort();
    fixture.image.ClosePort();
    EXPECT_EQ(fixture.port->closes, 1);
    EXPECT_FALSE(fixture.image.IsPortOpen());
}

TEST(RegisterImage, WriteTextSendsAtMostOneHundredBytesAndOnlyWhenOpen) {
    ImageWithPort fixture;
    fixture.image.WriteText("early");
    EXPECT_TRUE(fixture.port->written.empty());
    fixture.image.OpenPort(kCom1);
    fixture.image.WriteText(std::string(101, 'x'));
    EXPECT_TRUE(fixture.port->written.empty());
    fixture.image.WriteText(std::string(100, 'y'));
    fixture.image.SendProgStart();
    EXPECT_EQ(fixture.port->written,
              (std::vector<std::string>{std::string(100, 'y'), "$PROGSTART\r"}));
}

TEST(RegisterImage, ReadingAClosedPortFailsAtOnce) {
    ImageWithPort fixture;
    char byte = 0;
    EXPECT_EQ(fixture.image.ReadByte(byte), ReadStatus::Failed);
    fixture.image.OpenPort(kCom1);
    EXPECT_EQ(fixture.image.ReadByte(byte), ReadStatus::Byte);
    EXPECT_EQ(byte, 'x');
}

TEST(RegisterImage, EnumerationRecordsOpenablePortsAndKeepsOtherEntries) {
    ImageWithPort fixture;
    Register& image = fixture.image;
    fixture.port->openable = {"\\\\.\\COM3", "\\\\.\\COM256"};
    image.portPaths[9] = "earlier";

    const auto ports = image.EnumeratePorts();

    ASSERT_EQ(fixture.port->probed.size(), 256u);
    EXPECT_EQ(fixture.port->probed.front(), kCom1);
    EXPECT_EQ(fixture.port->probed[9], "\\\\.\\COM10");
    EXPECT_EQ(fixture.port->probed.back(), "\\\\.\\COM256");
    EXPECT_EQ(ports[2], "\\\\.\\COM3");
    EXPECT_EQ(ports[255], "\\\\.\\COM256");
    EXPECT_EQ(ports[9], "earlier");
    EXPECT_EQ(ports[0], "");
    EXPECT_EQ(ports, image.portPaths);
}

TEST(RegisterImage, EnumerationLeavesAnOpenPortAlone) {
    ImageWithPort fixture;
    fixture.image.OpenPort(kCom1);
    fixture.image.EnumeratePorts();
    EXPECT_TRUE(fixture.image.IsPortOpen());
    EXPECT_EQ(fixture.port->closes, 0);
    EXPECT_EQ(fixture.port->opened.size(), 1u);
}

TEST(RegisterImage, PortPathsAndTheirDisplayNames) {
    EXPECT_EQ(PortPath(3), "\\\\.\\COM3");
    EXPECT_EQ(PortPath(256), "\\\\.\\COM256");
    EXPECT_EQ(PortDisplayName(PortPath(3)), "COM3");
    EXPECT_EQ(PortDisplayName(PortPath(42)), "COM42");
    EXPECT_EQ(PortDisplayName("abc"), "");
}

}  // namespace
}  // namespace orvan
