# SPDX-License-Identifier: MIT
"""The further formats through the module: names, and every answer as the
command line gives it."""
import subprocess

import pytest

import numerant
from conftest import CLI, cli_answers, inputs_of

# scheme, payload, valid number, other payloads, in catalogue order.
FURTHER_SAMPLES = [
    ("au.abn", "914571673", "83914571673", []),
    ("be.vat", "04030192", "0403019261", ["4030192"]),
    ("br.cnpj", "12ABC34501DE", "12ABC34501DE35", ["167272300001"]),
    ("ca.bn", "12302663", "123026635", ["12302663RC0001"]),
    ("in_.gstin", "27AAPFU0939F1Z", "27AAPFU0939F1ZV", []),
    ("in_.pan", "ACUPA7085R", "ACUPA7085R", ["ACUPA0000R"]),
    ("mx.rfc", "GODE561231GR8", "GODE561231GR8", ["MAB9307148T4", "COMG600703"]),
    ("us.ein", "911144442", "911144442", ["071144442"]),
    ("eu.banknote", "EA410018159", "EA4100181598", ["P3600703374"]),
    ("be.nn", "170730033", "17073003384", ["000229001"]),
    ("ch.ssn", "756921707698", "7569217076985", []),
    ("cl.rut", "12531909", "125319092", ["7727230"]),
    ("cn.ric", "36042619910101007", "360426199101010071", ["44011320141005001"]),
    ("de.idnr", "3657426180", "36574261809", ["1112345678"]),
    ("dk.cpr", "0101801234", "0101801234", ["3002801234"]),
    ("ie.pps", "6433435A", "6433435OA", ["1234567"]),
    ("in_.aadhaar", "23412341234", "234123412346", ["20000990000"]),
    ("it.codicefiscale", "RCCMNL83S18D969", "RCCMNL83S18D969H", ["RCCMNLUPSMUDVSV"]),
    ("mx.curp", "BOXW310820HNERXN0", "BOXW310820HNERXN09", ["MASI050805MVZRLRA"]),
    ("no.fodselsnummer", "151086950", "15108695088", ["551086950", "151050800"]),
    ("se.personnummer", "880320-001", "880320-0016", ["880320+001", "19880320001"]),
    ("tr.tckimlik", "172917160", "17291716060", []),
    ("za.idnr", "750330504408", "7503305044089", ["750330504420"]),
    # Securities, trade, logistics, publishing and research; building blocks.
    ("cusip", "03783310", "037833100", ["DUS0421C"]),
    ("figi", "BBG000BLNQ1", "BBG000BLNQ16", []),
    ("gb.sedol", "B15KXQ", "B15KXQ8", ["026349"]),
    ("isin", "US037833100", "US0378331005", ["GB00BYXJL75"]),
    ("iso11649", "RF539007547034", "RF18539007547034", ["RF5390075470Y"]),
    ("lei", "213800KUD8LAJWSQ9D", "213800KUD8LAJWSQ9D15", []),
    ("us.rtn", "11100002", "111000025", []),
    ("gln", "401234512345", "4012345123456", []),
    ("gtin", "9841234567890", "98412345678908", ["03600029145", "9638507"]),
    ("imei", "49015420323751", "490154203237518", ["356868000041412"]),
    ("s10", "RB12345678GB", "RB123456785GB", []),
    ("sscc", "37613032110910342", "376130321109103420", []),
    ("isan", "000000018CFA0000", "000000018CFA0000I", ["000000018CFA0000I00000000"]),
    ("ismn", "979034524680", "9790345246805", ["M34524680"]),
    ("isni", "000000012281955", "000000012281955X", []),
    ("iswc", "T034524680", "T0345246801", []),
    ("orcid", "000000021825009", "0000000218250097", []),
    ("damm", "572", "5724", ["43881234567"]),
    ("iso7064.mod_11_10", "0794", "07945", []),
    ("iso7064.mod_11_2", "079", "079X", []),
    ("iso7064.mod_37_2", "G123489654321", "G123489654321Y", []),
    ("iso7064.mod_37_36", "A12425GABC1234002", "A12425GABC1234002M", []),
    ("iso7064.mod_97_10", "213800KUD8LAJWSQ9D", "213800KUD8LAJWSQ9D15", []),
    ("luhn_mod_n", "27AAPFU0939F1Z", "27AAPFU0939F1ZV", []),
    # VAT numbers
    ("at.uid", "U1358562", "U13585627", ["ATU1358562"]),
    ("bg.vat", "17507475", "175074752", ["752316926"]),
    ("ch.vat", "10778757", "107787577", ["CHE10778757MWST"]),
    ("cy.vat", "10259033", "10259033P", []),
    ("cz.dic", "2512389", "25123891", ["64090392", "710319274"]),
    ("de.vat", "13669597", "136695976", ["DE13669597"]),
    ("dk.cvr", "1358562", "13585628", ["1000005"]),
    ("ee.kmkr", "10059410", "100594102", []),
    ("es.cif", "J9921658", "J99216582", ["Q2876031"]),
    ("es.nie", "X2482300", "X2482300W", []),
    ("es.nif", "B6471783", "B64717838", ["X5253868", "54362315", "M1234567"]),
    ("fi.alv", "2077474", "20774740", []),
    ("fr.tva", "303265045", "40303265045", ["000123456"]),
    ("gb.vat", "9807806", "980780684", ["9807806001", "GD001"]),
    ("gr.vat", "09425921", "094259216", ["9425921"]),
    ("hr.oib", "3339200596", "33392005961", []),
    ("hu.anum", "1289231", "12892312", []),
    ("ie.vat", "6433435A", "6433435OA", ["8D79739"]),
    ("it.iva", "0074311015", "00743110157", []),
    ("lt.pvm", "11951151", "119511515", ["10000191901"]),
    ("lu.tva", "150274", "15027442", []),
    ("lv.pvn", "4000352160", "40003521600", ["1611751999"]),
    ("mt.vat", "116791", "11679112", []),
    ("nl.btw", "002455799B", "002455799B11", []),
    ("no.mva", "99552582MVA", "995525828MVA", []),
    ("pl.nip", "856734621", "8567346215", ["100000016"]),
    ("pt.nif", "50196484", "501964843", []),
    ("ro.cf", "1854729", "18547290", ["163061512345"]),
    ("se.vat", "12345678901", "123456789701", []),
    ("si.ddv", "5022305", "50223054", []),
    ("sk.dph", "202274961", "2022749619", []),
    ("vat", "DE13669597", "DE136695976", ["QQ123", "CHE10778757", "AU914571673"]),
]


def test_all_schemes_are_list_all():
    listed = subprocess.run([CLI, "list", "--all"], capture_output=True, text=True, check=True)
    names = [line.split(" ")[0] for line in listed.stdout.splitlines()]
    assert numerant.schemes(all=True) == names
    assert numerant.schemes(all=True)[:55] == numerant.schemes()
    assert sorted(row[0] for row in FURTHER_SAMPLES) == sorted(names[55:])


@pytest.mark.parametrize("scheme, stem, number, more", FURTHER_SAMPLES,
                         ids=[row[0] for row in FURTHER_SAMPLES])
def test_answers_are_the_command_lines(scheme, stem, number, more):
    assert numerant.Scheme(scheme.upper()).Name == scheme
    inputs = tuple(inputs_of(stem, number, more))
    for text, checked, calculated, completed in zip(
            inputs, cli_answers("check", scheme, inputs), cli_answers("calc", scheme, inputs),
            cli_answers("complete", scheme, inputs)):
        assert numerant.check(scheme, text) == checked["valid"], text
        reason = numerant.explain(scheme, text)
        assert reason == checked["reason"], text
        assert numerant.fields(scheme, text) == checked["fields"], text
        assert numerant.calculate(scheme, text) == calculated["result"], text
        assert numerant.complete(scheme, text) == (completed["complete"] or ""), text


def test_a_date_that_does_not_exist_is_explained():
    assert numerant.explain("dk.cpr", "300280-1234") == {"kind": "date", "date": "1980-02-30"}
    assert numerant.check("dk.cpr", "010180-1234")
    assert numerant.calculate("dk.cpr", "0101801234") == ""
    assert numerant.complete("dk.cpr", "0101801234") == ""
