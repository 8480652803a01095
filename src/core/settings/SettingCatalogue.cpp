#include "core/settings/SettingCatalogue.h"

#include <QHash>

namespace kelvora {

namespace {

SettingDef detail(const char* name, const char* text)
{
    return {QLatin1String(name), SettingHome::Detail, SettingDefault::Text, QLatin1String(text), {}};
}

SettingDef detailOf(const char* name, SettingDefault kind)
{
    return {QLatin1String(name), SettingHome::Detail, kind, {}, {}};
}

SettingDef font(const char* name, const char* text)
{
    return {QLatin1String(name), SettingHome::Font, SettingDefault::Text, QLatin1String(text), {}};
}

SettingDef key(const char* name, const char* whenEmpty, const QString& fallback)
{
    return {QLatin1String(name), SettingHome::Key, SettingDefault::Text, QLatin1String(whenEmpty), fallback};
}

std::vector<SettingDef> makeCatalogue()
{
    using D = SettingDefault;
    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    return {
        // Section Detail, in reading order.
        detail("ABN", ""),
        detail("ApplyRate", "10"),
        detail("BAmtStr", ""),
        detail("BRateStr", ""),
        detail("BTermStr", ""),
        detailOf("StartDateStr", D::Today),
        detail("IAmtStr", ""),
        detail("IRateStr", ""),
        detail("ITermStr", ""),
        detail("IIntStr", "1"),
        detail("RRateStr", ""),
        detail("RTermStr", ""),
        detail("RPMTStr", ""),
        detail("RIntStr", "1"),
        detail("SFVStr", ""),
        detail("SRateStr", ""),
        detail("STermStr", ""),
        detail("SIntStr", "1"),
        detail("Company", "Your Company"),
        detail("DateFormat", "dd/mm/yyyy"),
        detail("E1", "100%"),
        detail("E2", "80%"),
        detail("E3", "60%"),
        detail("E4", "40%"),
        detail("E5", "20%"),
        detailOf("E6", D::LikeE5),
        detail("E7", "Tax Free"),
        detailOf("Estr", D::Held),
        detailOf("Ehint", D::Held),
        detailOf("Finda", D::Held),
        detailOf("Replaca", D::Held),
        detail("FindStr", ""),
        detail("ReplaceStr", ""),
        detail("FiscalYr", "Cal"),
        detail("Period", "3"),
        detailOf("I1", D::Held),
        detailOf("I2", D::Held),
        detailOf("I3", D::Held),
        detailOf("I4", D::Held),
        detail("I5", "Tax Free"),
        detail("Alpha", "Alpha"),
        detail("Number", "Number"),
        detail("Money", "Money"),
        detail("VAT", "VatStr"),
        detail("Pix", "Yes"),
        detail("PrintAllowStr", "Yes"),
        detailOf("TempDate1Str", D::Today),
        detailOf("TempDate2Str", D::Today),
        detailOf("ExpDateStr", D::Today),
        detailOf("IncDateStr", D::Today),
        detail("Expense%1", "100"),
        detail("Expense%2", "80"),
        detail("Expense%3", "60"),
        detail("Expense%4", "40"),
        detail("Expense%5", "20"),
        detail("Expense%6", "100"),
        detail("Expense%7", "0"),
        detail("Expense%Office", "100"),
        detail("Expense%Other", "50"),
        detail("Expense%Phone", "80"),
        detail("Income%1", "100"),
        detail("Income%2", "100"),
        detail("Income%3", "100"),
        detail("Income%4", "100"),
        detail("Income%5", "0"),
        detail("Income%Interest", "100"),
        detail("Income%Salary", "100"),

        // Section Font.
        font("CompanyFont", "Arial"),
        font("CompanySize", "10"),
        font("CompanyColor", "clBlue"),
        font("CompanyFontStyle", "0"),
        font("OthersFont", "Arial"),
        font("OthersSize", "10"),
        font("OthersColor", "clBlack"),
        font("OthersFontStyle", "0"),

        // The settings key, in reading order. The fallback of MateStr names the
        // program folder and is filled in by Settings; PixStr keeps the file's Pix.
        key("Addr1Str", "", s("Primary (Postal) Address  eg. PO Box 123,")),
        key("Addr2Str", "", s("Secondary (St) Address, (if desired)")),
        key("Addr3Str", "", s("Town.")),
        key("Addr4Str", "", s("State.")),
        key("Addr5Str", "", s("Nation / Postcode.")),
        key("Addr6Str", "", s("Suburb.")),
        key("CoDetStr", "", s("Trading Name and Co #  eg ") + kSampleTradingName),
        key("EmailStr", "", kSampleEmail),
        key("EntryStr", "", {}),
        key("FaxStr", "", s("Fax No")),
        key("Grad1Str", "16711680", s("clBlue")),
        key("Grad2Str", "65280", s("clLime")),
        key("Grad3Str", "$00BBFFFF", s("$00BBFFFF")),
        key("Grad4Str", "$00FF9191", s("$00FF9191")),
        key("HPhoneStr", "", s("Home Phone #")),
        key("I6Str", "", s("Supplied")),
        key("I7Str", "", s("Sales")),
        key("I8Str", "", s("Sale")),
        key("I9Str", "", s("50")),
        key("MateStr", "", {}),
        key("MPhoneStr", "", s("Cell Phone #")),
        key("NameStr", "", s("Your Name")),
        key("PixStr", "", {}),
        key("R1Str", "", s("Payable upon reciept of invoice  -  No Statement will be issued.")),
        key("R2Str", "", s("Thankyou for this payment.")),
        key("R3Str", "", s("Payment is now overdue.")),
        key("ServicesStr", "", s("On Bus Cards : Your Business")),
        key("StartColStr", "clLime", s("clLime")),
        key("WebStr", "", s("Web Address")),
        key("WPhoneStr", "", s("Work Phone")),
        key("OwnerNameColorStr", "clBlue", s("clBlue")),
        key("OwnerNameFontStr", "Arial", s("Arial")),
        key("OwnerNameFontStyleStr", "1", s("1")),
        key("OwnerNameSizeStr", "14", s("14")),
        key("ServicesColorStr", "clGreen", s("clGreen")),
        key("ServicesFontStr", "Arial", s("Arial")),
        key("ServicesFontStyleStr", "3", s("3")),
        key("ServicesSizeStr", "10", s("10")),
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
