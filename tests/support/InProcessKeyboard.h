#pragma once

// The simulator's keyboard model reached in-process through the two platform interfaces, so
// unit tests can run whole transfers against the real protocol without sockets.

#include "HidBackend.h"
#include "KbPortDriver.h"
#include "SimulatedKeyboard.h"

#include <cerrno>
#include <initializer_list>
#include <memory>

namespace zelt::testing {

// A fault plan written as a list.
inline kbsim::FaultPlan Faults(std::initializer_list<kbsim::Fault> faults) {
    kbsim::FaultPlan plan;
    for (const kbsim::Fault& f : faults) {
        plan.Add(f);
    }
    return plan;
}

class InProcessKeyboard {
public:
    explicit InProcessKeyboard(const TemplateImage& memory, kbsim::FaultPlan faults = {},
                               kbsim::SimulatedKeyboard::Options options = {})
        : keyboard(memory, std::move(faults), options) {}

    std::unique_ptr<HidBackend> MakeHidBackend() { return std::make_unique<Backend>(*this); }
    std::unique_ptr<KbPortDriver> MakePortDriver() { return std::make_unique<Driver>(*this); }

    kbsim::SimulatedKeyboard keyboard;
    // Raised by every disconnect; handles from before it are dead.
    int generation = 0;

private:
    void AfterRequest() {
        if (keyboard.TakeDisconnect()) {
            ++generation;
        }
    }

    class Device final : public HidDevice {
    public:
        Device(InProcessKeyboard& owner, int index)
            : owner_(owner), index_(index), generation_(owner.generation) {}
        ~Device() override {
            if (Alive()) {
                owner_.keyboard.CloseHid(index_);
            }
        }
        std::optional<std::u16string> GetManufacturerString() override {
            return Alive() ? std::optional(Info().manufacturer) : std::nullopt;
        }
        std::optional<std::u16string> GetProductString() override {
            return Alive() ? std::optional(Info().product) : std::nullopt;
        }
        std::optional<HidAttributes> GetAttributes() override {
            if (!Alive()) {
                return std::nullopt;
            }
            return HidAttributes{Info().vendorId, Info().productId, Info().versionNumber};
        }
        bool SetFeature(const HidReport& report) override {
            const bool ok = Alive() && owner_.keyboard.SetFeature(index_, report);
            owner_.AfterRequest();
            return ok;
        }
        bool GetFeature(HidReport& report) override {
            const bool ok = Alive() && owner_.keyboard.GetFeature(index_, report);
            owner_.AfterRequest();
            return ok;
        }
        int LastErrorCode() const override { return EPIPE; }

    private:
        bool Alive() const { return generation_ == owner_.generation; }
        const kbsim::SimHidDevice& Info() const {
            return owner_.keyboard.Devices()[static_cast<std::size_t>(index_)];
        }
        InProcessKeyboard& owner_;
        int index_;
        int generation_;
    };

    class Backend final : public HidBackend {
    public:
        explicit Backend(InProcessKeyboard& owner) : owner_(owner) {}
        HidInterfaceQuery QueryInterface(HidInterfaceClass cls, int index) override {
            return FindInListing(owner_.keyboard.Devices(), cls, index);
        }
        HidOpenResult Open(const std::string& path) override {
            HidOpenResult result;
            const auto answer = owner_.keyboard.OpenHid(path);
            if (answer.device < 0) {
                result.errorCode = answer.errorCode;
                result.errorText = answer.errorText;
                result.accessDenied = answer.errorCode == EACCES;
                return result;
            }
            result.device = std::make_unique<Device>(owner_, answer.device);
            return result;
        }

    private:
        InProcessKeyboard& owner_;
    };

    class Driver final : public KbPortDriver {
    public:
        explicit Driver(InProcessKeyboard& owner) : owner_(owner) {}
        bool Open(std::string&) override {
            generation_ = owner_.generation;
            return true;
        }
        KbControlResult Control(const KbRequest& input, KbRequest& output) override {
            if (generation_ != owner_.generation) {
                output.fill(0);
                return {false, 0, EPIPE};
            }
            const KbControlResult result = owner_.keyboard.PortRequest(input, output);
            owner_.AfterRequest();
            return result;
        }
        void Close() override {}

    private:
        InProcessKeyboard& owner_;
        int generation_ = 0;
    };
};

} // namespace zelt::testing
