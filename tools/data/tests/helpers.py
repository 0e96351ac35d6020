"""Small hand-made sources for the unit tests of the pipeline stages."""

from namedata.sources import GivenCharacter, Sources, UNIHAN_FIELDS


def given(male, female, gender=0.0, recent=0, nineties=0, ppm2000=1.0, ppm_all=1.0, valence=3.5):
    cohorts = {"2000_2008": recent, "1990_1999": nineties, "1930_1959": male + female}
    return GivenCharacter(male, female, gender, cohorts, {"2000_2008": ppm2000, "all": ppm_all},
                          valence)


def sources(**fields):
    src = Sources()
    src.unihan = {f: {} for f in UNIHAN_FIELDS}
    for key, value in fields.items():
        if key in src.unihan:
            src.unihan[key].update(value)
        else:
            setattr(src, key, value)
    return src
