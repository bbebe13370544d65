#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the fuzzer's seed corpus from the worked examples of each scheme.

Each seed is one byte that picks the class (its position in the scheme list,
then the building blocks Luhn, Modulo10 and Modulo97, then the further
formats in catalogue order) followed by the text.

    fuzz/make_corpus.py fuzz/corpus
"""
import hashlib
import pathlib
import sys

CLASSES = ("ACL ACN AHV AK BI BIC BOL BSN BTW BZU CAS CNP CPF CPR Creditcard DEA DNI DUNS EAN "
           "EUR GRid HETU IBAN IK INSZ ISBN ISSN JMBG MRN NHS NID NIH NIP NPI OGM OPC PESEL PNR "
           "PPS PZN REGON RUN SIN SIREN SIS TFN UIC UPC Verhoeff VIN VSNR WSDLN "
           "Luhn Modulo10 Modulo97 "
           "au.abn be.vat br.cnpj ca.bn in_.gstin in_.pan mx.rfc us.ein eu.banknote be.nn ch.ssn "
           "cl.rut cn.ric de.idnr dk.cpr ie.pps in_.aadhaar it.codicefiscale mx.curp "
           "no.fodselsnummer se.personnummer tr.tckimlik za.idnr at.uid bg.vat ch.vat cy.vat "
           "cz.dic de.vat dk.cvr ee.kmkr es.cif es.nie es.nif fi.alv fr.tva gb.vat gr.vat hr.oib "
           "hu.anum ie.vat it.iva lt.pvm lu.tva lv.pvn mt.vat nl.btw no.mva pl.nip pt.nif ro.cf "
           "se.vat si.ddv sk.dph vat cusip figi gb.sedol isin iso11649 lei us.rtn gln gtin imei "
           "s10 sscc isan ismn isni iswc orcid damm iso7064.mod_11_10 iso7064.mod_11_2 "
           "iso7064.mod_37_2 iso7064.mod_37_36 iso7064.mod_97_10 luhn_mod_n").split()

EXAMPLES = {
    "ACL": ["340156000000", "3401560000009"],
    "ACN": ["004 085 616", "00408561"],
    "AHV": ["782.34.652.019", "782.34.652.01"],
    "AK": ["39001010000", "3900101000"],
    "BI": ["00000000", "123456789"],
    "BIC": ["CSQU 305438", "CSQU3054383", "ZZZU000000", "ABCX123456"],
    "BOL": ["0123456789012345", "01234567890123452"],
    "BSN": ["111.222.333", "11122233"],
    "BTW": ["123.45.67-49", "1234567"],
    "BZU": ["000000000007", "1234-5678-9012-4"],
    "CAS": ["7732-18", "7732-18-5", "64-17"],
    "CNP": ["185031512345", "1850315123455"],
    "CPF": ["123.456.789-09", "111444777"],
    "CPR": ["1503854127", "150385412"],
    "Creditcard": ["4111 1111 1111 111", "4111-1111-1111-1111", "A1234"],
    "DEA": ["AB123456", "ab123456-3", "BJ654321"],
    "DNI": ["12345678", "12345678Z", "1234567A"],
    "DUNS": ["15-048-378", "15-048-3782"],
    "EAN": ["978-0-306-40615", "4006381333931", "9638507"],
    "EUR": ["X0123456789", "X01234567892", "S0000000000"],
    "GRid": ["A1-2425G-ABC1234002", "A12425GABC1234002M"],
    "HETU": ["010100A123D", "010100A123"],
    "IBAN": ["DE370400440532013000", "DE89 3704 0044 0532 0130 00", "GB82WEST12345698765432"],
    "IK": ["48503151230", "4850315123"],
    "INSZ": ["85.03.15-123.69", "850315123"],
    "ISBN": ["0-306-40615", "0-8044-2957-x", "978-0-306-40615"],
    "ISSN": ["0317-847", "2434-561", "977031784700"],
    "JMBG": ["1503985710126", "150398571012"],
    "MRN": ["AB12", "ab-12", "X"],
    "NHS": ["943 476 5919", "943476591"],
    "NID": ["850315104", "850315123G"],
    "NIH": ["123456789-7", "123456789"],
    "NIP": ["123-456-32-18", "123-456-32-1"],
    "NPI": ["1234567893", "123456789"],
    "OGM": ["012/3456/78939", "0123456789", "9999999999"],
    "OPC": ["12345-6789-7", "123456789"],
    "PESEL": ["85031512345", "8503151234"],
    "PNR": ["850315-1238", "850315123"],
    "PPS": ["1234567", "1234567T", "1234567TW"],
    "PZN": ["490880", "490880-2", "123460"],
    "REGON": ["123456785", "12345678"],
    "RUN": ["12345678", "123456785", "10000013K"],
    "SIN": ["046 454 286", "046-454-28"],
    "SIREN": ["732 829 320", "73282932"],
    "SIS": ["1234567803", "12345678"],
    "TFN": ["123456782", "1234567"],
    "UIC": ["21 81 2471 217", "21-81-2471-217-3"],
    "UPC": ["03600029145", "04252614", "042100005264", "0425261"],
    "Verhoeff": ["236", "2363", "12345"],
    "VIN": ["1M8GDM9AXKP042788", "1M8GDM9AKP042788"],
    "VSNR": ["15070649C103", "15 070649 c 10"],
    "WSDLN": ["SMITHJA55BG", "SMITHJA557BG", "AJAXZZZ11Z1"],
    "Luhn": ["7992739871", "79927398713"],
    "Modulo10": ["400638133393", "05"],
    "Modulo97": ["1-2.3+4/5", "2147483648", "12326"],
    "au.abn": ["83 914 571 673", "914571673"],
    "be.vat": ["BE 0403.019.261", "(0)403019261", "10016866"],
    "br.cnpj": ["16.727.230/0001-97", "12.ABC.345/01DE-35", "12ABC34501DE"],
    "ca.bn": ["123026635RC0001", "12302663", "12302663RT0001"],
    "eu.banknote": ["EA4100181598", "P36007033744", "X0002504180"],
    "be.nn": ["17.07.30-033.84", "00022900145", "17273003301"],
    "ch.ssn": ["756.9217.0769.85", "756921707698"],
    "cl.rut": ["12.531.909-2", "7.727.230-5", "10626628k"],
    "dk.cpr": ["010180-1234", "300280-1234", "290236-4000"],
    "ie.pps": ["6433435OA", "1234567OB", "6433435A"],
    # The national tax and identity numbers.
    "cn.ric": ["360426199101010071", "44011320141005001x", "36042619910230007"],
    "de.idnr": ["36 574 261 809", "1112345678", "3657426180"],
    "in_.aadhaar": ["2341 2341 2346", "20000990000", "134123412346"],
    "in_.gstin": ["27AAPFU0939F1ZV", "27aapfu0939f1z", "27AAPXU0939F1ZV"],
    "in_.pan": ["ACUPA7085R", "ACUPA0000R"],
    "it.codicefiscale": ["RCCMNL83S18D969H", "RCCMNLUPSMUDVSVO", "RCCMNL00B70D969"],
    "mx.curp": ["BOXW310820HNERXN09", "MASI050805MVZRLRA8", "BOXW310820HXXRXN0"],
    "mx.rfc": ["GODE 561231 GR8", "MAB-930714-8T4", "COMG-600703", "\u00d1OME561231GR8"],
    "no.fodselsnummer": ["151086 95088", "55108695071", "151050800"],
    "se.personnummer": ["880320-0016", "880320+001", "19880320-0016", "880380-0013"],
    "tr.tckimlik": ["17291716060", "072917160"],
    "us.ein": ["91-1144442", "07-1144442"],
    "za.idnr": ["7503305044089", "750330504430"],
    "cusip": ["DUS0421C5", "03783310", "0378331@*"],
    "figi": ["BBG000BLNQ16", "BBG000BLNQ1"],
    "gb.sedol": ["B15KXQ8", "0263494", "B15KXQ"],
    "isin": ["US0378331005", "GB00BYXJL75", "ZZ0378331005"],
    "iso11649": ["RF18 5390 0754 7034", "RF539007547034", "RF97XX5ZIC"],
    "lei": ["213800KUD8LAJWSQ9D15", "213800KUD8LAJWSQ9D"],
    "us.rtn": ["111000025", "11100002"],
    "gln": ["4012345123456", "401234512345"],
    "gtin": ["98412345678908", "036000291452", "96385074"],
    "imei": ["490154203237518", "3568680000414120", "49015420323751"],
    "s10": ["RB123456785GB", "RB12345678GB"],
    "sscc": ["376130321109103420", "37613032110910342"],
    "isan": ["0000-0000-D07A-0090-Q-0000-0000-X", "000000018CFA0000", "1881-66C7-3420-6541-Y"],
    "ismn": ["979-0-3452-4680-5", "M321765474", "M34524680"],
    "isni": ["0000 0001 2281 955X", "000000012281955"],
    "iswc": ["T-034.524.680-1", "T034524680"],
    "orcid": ["0000-0002-1825-0097", "000000021825009"],
    "damm": ["5724", "572"],
    "iso7064.mod_11_10": ["07945", "0794"],
    "iso7064.mod_11_2": ["079X", "079"],
    "iso7064.mod_37_2": ["G123489654321Y", "G123489654321"],
    "iso7064.mod_37_36": ["A12425GABC1234002M", "A12425GABC1234002"],
    "iso7064.mod_97_10": ["213800KUD8LAJWSQ9D15", "539007547034RF"],
    "luhn_mod_n": ["27AAPFU0939F1ZV", "27AAPFU0939F1Z"],
    "at.uid": ["U13585627", "AT U13585627", "U1358562"],
    "bg.vat": ["175074752", "BG 175 074 752", "7523169263"],
    "ch.vat": ["107787577", "CHE-107.787.577 IVA", "CHE-109.910.570 MWST"],
    "cy.vat": ["10259033P", "CY-10259033P", "10259033"],
    "cz.dic": ["25123891", "CZ 25123891", "7103192745"],
    "de.vat": ["136695976", "DE 136,695 976", "DE113866163"],
    "dk.cvr": ["13585628", "DK 13585628", "1358562"],
    "ee.kmkr": ["100594102", "EE 100 931 558", "10059410"],
    "es.cif": ["J99216582", "Q2876031B", "ES B-58378431"],
    "es.nie": ["X2482300W", "x-2482300w", "X2482300"],
    "es.nif": ["B64717838", "ES B-58378431", "54362315K"],
    "fi.alv": ["20774740", "FI 20774740", "2077474"],
    "fr.tva": ["40303265045", "Fr 40 303 265 045", "FR61954506077"],
    "gb.vat": ["980780684", "GB 980 7806 84", "GB340804329"],
    "gr.vat": ["094259216", "EL 094259216", "GR 94259216"],
    "hr.oib": ["33392005961", "HR 33392005961", "3339200596"],
    "hu.anum": ["12892312", "HU-12892312", "1289231"],
    "ie.vat": ["6433435OA", "IE 6433435F", "8D79739I"],
    "it.iva": ["00743110157", "IT 00743110157", "IT01404480202"],
    "lt.pvm": ["119511515", "LT 100001919017", "100004801610"],
    "lu.tva": ["15027442", "LU 150 274 42", "150274"],
    "lv.pvn": ["40003521600", "LV 4000 3521 600", "161175-19997"],
    "mt.vat": ["11679112", "MT 1167-9112", "116791"],
    "nl.btw": ["002455799B11", "NL004495445B01", "NL001162938B28"],
    "no.mva": ["995525828MVA", "NO 995 525 828 MVA", "99552582MVA"],
    "pl.nip": ["8567346215", "PL 8567346215", "856734621"],
    "pt.nif": ["501964843", "PT 501 964 843", "50196484"],
    "ro.cf": ["18547290", "RO 185 472 90", "1630615123457"],
    "se.vat": ["123456789701", "SE 123456789701", "12345678901"],
    "si.ddv": ["50223054", "SI 5022 3054", "5022305"],
    "sk.dph": ["2022749619", "SK 202 274 96 19", "7103192745"],
    "vat": ["DE136695976", "EL 094259216", "XI980780684"],
}


def main(folder: str) -> None:
    out = pathlib.Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    for index, name in enumerate(CLASSES):
        for text in EXAMPLES[name]:
            seed = bytes([index]) + text.encode("latin-1")
            (out / f"{name}-{hashlib.sha1(seed).hexdigest()[:10]}").write_bytes(seed)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "fuzz/corpus")
