#include "core/settings/SettingCatalogue.h"

#include <QHash>

namespace kelvora {

namespace {

using K = SettingKey;

SettingDef detail(SettingKey k, const char* text)
{
    return {settingName(k), k, SettingHome::Detail, SettingDefault::Text, QLatin1String(text), {}};
}

SettingDef detailOf(SettingKey k, SettingDefault kind)
{
    return {settingName(k), k, SettingHome::Detail, kind, {}, {}};
}

SettingDef font(SettingKey k, const char* text)
{
    return {settingName(k), k, SettingHome::Font, SettingDefault::Text, QLatin1String(text), {}};
}

SettingDef key(SettingKey k, const char* whenEmpty, const QString& fallback)
{
    return {settingName(k), k, SettingHome::Key, SettingDefault::Text, QLatin1String(whenEmpty), fallback};
}

std::vector<SettingDef> makeCatalogue()
{
    using D = SettingDefault;
    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    return {
        // Section Detail, in reading order.
        detail(K::ABN, ""),
        detail(K::ApplyRate, "10"),
        detail(K::BAmtStr, ""),
        detail(K::BRateStr, ""),
        detail(K::BTermStr, ""),
        detailOf(K::StartDateStr, D::Today),
        detail(K::IAmtStr, ""),
        detail(K::IRateStr, ""),
        detail(K::ITermStr, ""),
        detail(K::IIntStr, "1"),
        detail(K::RRateStr, ""),
        detail(K::RTermStr, ""),
        detail(K::RPMTStr, ""),
        detail(K::RIntStr, "1"),
        detail(K::SFVStr, ""),
        detail(K::SRateStr, ""),
        detail(K::STermStr, ""),
        detail(K::SIntStr, "1"),
        detail(K::Company, "Your Company"),
        detail(K::DateFormat, "dd/mm/yyyy"),
        detail(K::E1, "100%"),
        detail(K::E2, "80%"),
        detail(K::E3, "60%"),
        detail(K::E4, "40%"),
        detail(K::E5, "20%"),
        detailOf(K::E6, D::LikeE5),
        detail(K::E7, "Tax Free"),
        detailOf(K::Estr, D::Held),
        detailOf(K::Ehint, D::Held),
        detailOf(K::Finda, D::Held),
        detailOf(K::Replaca, D::Held),
        detail(K::FindStr, ""),
        detail(K::ReplaceStr, ""),
        detail(K::FiscalYr, "Cal"),
        detail(K::Period, "3"),
        detailOf(K::I1, D::Held),
        detailOf(K::I2, D::Held),
        detailOf(K::I3, D::Held),
        detailOf(K::I4, D::Held),
        detail(K::I5, "Tax Free"),
        detail(K::Alpha, "Alpha"),
        detail(K::Number, "Number"),
        detail(K::Money, "Money"),
        detail(K::VAT, "VatStr"),
        detail(K::Pix, "Yes"),
        detail(K::PrintAllowStr, "Yes"),
        detailOf(K::TempDate1Str, D::Today),
        detailOf(K::TempDate2Str, D::Today),
        detailOf(K::ExpDateStr, D::Today),
        detailOf(K::IncDateStr, D::Today),
        detail(K::ExpensePct1, "100"),
        detail(K::ExpensePct2, "80"),
        detail(K::ExpensePct3, "60"),
        detail(K::ExpensePct4, "40"),
        detail(K::ExpensePct5, "20"),
        detail(K::ExpensePct6, "100"),
        detail(K::ExpensePct7, "0"),
        detail(K::ExpensePctOffice, "100"),
        detail(K::ExpensePctOther, "50"),
        detail(K::ExpensePctPhone, "80"),
        detail(K::IncomePct1, "100"),
        detail(K::IncomePct2, "100"),
        detail(K::IncomePct3, "100"),
        detail(K::IncomePct4, "100"),
        detail(K::IncomePct5, "0"),
        detail(K::IncomePctInterest, "100"),
        detail(K::IncomePctSalary, "100"),

        // Section Font.
        font(K::CompanyFont, "Arial"),
        font(K::CompanySize, "10"),
        font(K::CompanyColor, "clBlue"),
        font(K::CompanyFontStyle, "0"),
        font(K::OthersFont, "Arial"),
        font(K::OthersSize, "10"),
        font(K::OthersColor, "clBlack"),
        font(K::OthersFontStyle, "0"),

        // The settings key, in reading order. The fallback of MateStr names the
        // program folder and is filled in by Settings; PixStr keeps the file's Pix.
        key(K::Addr1Str, "", s("Primary (Postal) Address  eg. PO Box 123,")),
        key(K::Addr2Str, "", s("Secondary (St) Address, (if desired)")),
        key(K::Addr3Str, "", s("Town.")),
        key(K::Addr4Str, "", s("State.")),
        key(K::Addr5Str, "", s("Nation / Postcode.")),
        key(K::Addr6Str, "", s("Suburb.")),
        key(K::CoDetStr, "", s("Trading Name and Co #  eg ") + kSampleTradingName),
        key(K::EmailStr, "", kSampleEmail),
        key(K::EntryStr, "", {}),
        key(K::FaxStr, "", s("Fax No")),
        key(K::Grad1Str, "16711680", s("clBlue")),
        key(K::Grad2Str, "65280", s("clLime")),
        key(K::Grad3Str, "$00BBFFFF", s("$00BBFFFF")),
        key(K::Grad4Str, "$00FF9191", s("$00FF9191")),
        key(K::HPhoneStr, "", s("Home Phone #")),
        key(K::I6Str, "", s("Supplied")),
        key(K::I7Str, "", s("Sales")),
        key(K::I8Str, "", s("Sale")),
        key(K::I9Str, "", s("50")),
        key(K::MateStr, "", {}),
        key(K::MPhoneStr, "", s("Cell Phone #")),
        key(K::NameStr, "", s("Your Name")),
        key(K::PixStr, "", {}),
        key(K::R1Str, "", s("Payable upon reciept of invoice  -  No Statement will be issued.")),
        key(K::R2Str, "", s("Thankyou for this payment.")),
        key(K::R3Str, "", s("Payment is now overdue.")),
        key(K::ServicesStr, "", s("On Bus Cards : Your Business")),
        key(K::StartColStr, "clLime", s("clLime")),
        key(K::WebStr, "", s("Web Address")),
        key(K::WPhoneStr, "", s("Work Phone")),
        key(K::OwnerNameColorStr, "clBlue", s("clBlue")),
        key(K::OwnerNameFontStr, "Arial", s("Arial")),
        key(K::OwnerNameFontStyleStr, "1", s("1")),
        key(K::OwnerNameSizeStr, "14", s("14")),
        key(K::ServicesColorStr, "clGreen", s("clGreen")),
        key(K::ServicesFontStr, "Arial", s("Arial")),
        key(K::ServicesFontStyleStr, "3", s("3")),
        key(K::ServicesSizeStr, "10", s("10")),
    };
}

QStringList names(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* n : list)
        out.append(QLatin1String(n));
    return out;
}

} // namespace

const std::vector<SettingDef>& settingCatalogue()
{
    static const std::vector<SettingDef> catalogue = makeCatalogue();
    return catalogue;
}

const SettingDef* findSetting(const QString& name)
{
    static const QHash<QString, const SettingDef*> index = [] {
        QHash<QString, const SettingDef*> h;
        for (const SettingDef& def : settingCatalogue())
            h.insert(def.name.toLower(), &def);
        return h;
    }();
    return index.value(name.toLower(), nullptr);
}

const QStringList& detailWriteOrder()
{
    static const QStringList order = names({
        "ABN",          "ApplyRate", "BAmtStr", "BRateStr",   "BTermStr",      "StartDateStr", "IAmtStr",
        "IRateStr",     "ITermStr",  "IIntStr", "RRateStr",   "RTermStr",      "RPMTStr",      "RIntStr",
        "SFVStr",       "SRateStr",  "STermStr", "SIntStr",   "Company",       "DateFormat",   "Estr",
        "Ehint",        "Finda",     "FindStr", "Pix",        "PrintAllowStr", "Replaca",      "ReplaceStr",
        "TempDate1Str", "TempDate2Str", "ExpDateStr", "IncDateStr",
    });
    return order;
}

const QStringList& keyWriteOrder()
{
    static const QStringList order = names({
        "Addr1Str",          "Addr2Str",         "Addr3Str",              "Addr4Str",         "Addr5Str",
        "Addr6Str",          "CoDetStr",         "EmailStr",              "EntryStr",         "FaxStr",
        "HPhoneStr",         "MateStr",          "MPhoneStr",             "NameStr",          "PixStr",
        "ServicesStr",       "StartColStr",      "WebStr",                "WPhoneStr",        "OwnerNameColorStr",
        "OwnerNameFontStr",  "OwnerNameFontStyleStr", "OwnerNameSizeStr", "ServicesColorStr", "ServicesFontStr",
        "ServicesFontStyleStr", "ServicesSizeStr",
    });
    return order;
}

const QStringList& frequencyKeys()
{
    static const QStringList keys = names({"IIntStr", "RIntStr", "SIntStr"});
    return keys;
}

} // namespace kelvora
