#include "core/office/OfficeParticulars.h"

namespace kelvora {

namespace {

OfficeBox box(const char* control, const char* label, const char* hint, SettingKey key, std::optional<FontRole> font,
              bool wide = false, bool scales = false)
{
    return {QString::fromLatin1(control), QString::fromLatin1(label), QString::fromLatin1(hint), key, font, wide,
            scales};
}

} // namespace

const QList<OfficeBox>& officeParticulars()
{
    using K = SettingKey;
    constexpr auto others = FontRole::Others;
    static const QList<OfficeBox> boxes = {
        box("OwnerName", "Owner", "Owners Name for use on Business Cards", K::NameStr, FontRole::OwnerName, true),
        box("Co", "Company", "Company or trading name", K::Company, FontRole::Company, true),
        box("CoDet", "Details", "Extra company details: trading name, company number", K::CoDetStr, others, true),
        box("ABN", "ABN", "Your tax number (ABN)", K::ABN, others, false, true),
        box("Addr1", "Postal address", "Primary (postal) address", K::Addr1Str, others, false, true),
        box("Addr2", "Street address", "Secondary (street) address", K::Addr2Str, others, false, true),
        box("Addr3", "Suburb", "Suburb", K::Addr3Str, others, false, true),
        box("Addr4", "City", "City or town", K::Addr4Str, others, false, true),
        box("Addr5", "State", "State", K::Addr5Str, others, false, true),
        box("Addr6", "Post code", "Nation / post code", K::Addr6Str, others, false, true),
        box("WPhone", "Work phone", "Office phone", K::WPhoneStr, others),
        box("HPhone", "Home phone", "After-hours phone", K::HPhoneStr, others),
        box("MPhone", "Mobile", "Mobile phone", K::MPhoneStr, others),
        box("Fax", "Fax", "Fax number", K::FaxStr, others),
        box("Email", "E-mail", "E-mail address", K::EmailStr, others),
        box("Web", "Web", "Web address", K::WebStr, std::nullopt),
        box("Services", "Services", "Services Provided ( for use on Business Cards ).", K::ServicesStr,
            FontRole::Services, true),
    };
    return boxes;
}

const OfficeBox* findOfficeBox(const QString& control)
{
    for (const OfficeBox& b : officeParticulars())
        if (b.control == control)
            return &b;
    return nullptr;
}

} // namespace kelvora
