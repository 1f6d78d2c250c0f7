#pragma once
// An object of the K2000/K2500: its type, its ID and name, and its data as
// the instrument stores it. A kind reads its data (checking it against its
// own layout) and writes it back with the fields it changed.
#include <cstdint>
#include <string>

#include "samplers/kurzweil/KurzweilMessages.h"

class CKurzweilObject {
public:
    CKurzweilObject(std::uint16_t type, std::uint16_t id, std::string name)
        : fType(type), fId(id), fName(std::move(name))
    {
    }
    virtual ~CKurzweilObject() = default;

    // The data as it is written to the instrument.
    virtual Kurzweil::Bytes Data() const = 0;
    // Takes the data read from the instrument; XK2000InvalidFormat or
    // XK2000InvalidTag when it does not hold this kind's layout.
    virtual void Read(const Kurzweil::Bytes& data) = 0;

    std::uint16_t Type() const { return fType; }
    std::uint16_t Id() const { return fId; }
    void SetId(std::uint16_t id) { fId = id; }
    const std::string& Name() const { return fName; }
    void SetName(std::string name) { fName = std::move(name); }
    Kurzweil::ObjectId Object() const { return {fType, fId}; }

private:
    std::uint16_t fType;
    std::uint16_t fId;
    std::string fName;
};
