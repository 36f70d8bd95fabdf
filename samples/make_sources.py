#!/usr/bin/env python3
"""Writes the JSON sources of the sample game folder, in the form `zav dump` prints.

The build turns each NAME.json into NAME.dat or NAME.str with `zav build`. The JSON files are
kept in the repository; after changing this script or names.py, run it again and commit both:

    python3 samples/make_sources.py
"""

import json
import pathlib

from names import AIRFIELDS, PLACES, PLANES, SEAS, TOWNS, WEAPONS

HERE = pathlib.Path(__file__).resolve().parent


def place(name):
    return PLACES.index(name)


def airfield(name):
    """The airfield number a squadron record keeps: 0 for the first airfield of targets.dat."""
    return AIRFIELDS.index(name)


def plane(name):
    return PLANES.index(name)


def weapon(name):
    return WEAPONS.index(name)


FORWARD_BASE = 162
NO_PLANE = 255
NO_EVENT = 255

# Target-type codes, by the text of their list entry.
TARGET_CODES = {
    "Random Target": 0, "Oil Refinery": 1, "Ball Bearing Pland": 2, "Chemical Plant": 3,
    "Aircraft Factory": 4, "Airfield": 5, "Armament Factory": 6, "Railyard": 7, "Shipyard": 8,
    "U-Boat Pen": 9, "V-1 Site": 10, "Road River Bridge": 11, "Road Coast Bridge 1": 12,
    "Road Coast Bridge 2": 13, "Rail River Bridge": 14, "Rail Coast Bridge 1": 15,
    "Rail Coast Bridge 2": 16, "Heavy Flak ***": 17, "Light Flak ***": 18,
    "Oil Storage ***": 19, "Radar Station": 20, "Radar Tower": 21, "Fort ***": 23,
    "Fuel Dump *": 24, "AC Tower *": 25, "Ammo Bunker *": 26, "Hangar *": 27,
    "Barracks ***": 28, "Headquarters ***": 29, "O-Club ***": 30, "Briefing Room ***": 31,
    "Warehouse ***": 41, "People Filling **": 70, "People Marching **": 71, "No Target": 255,
    "London": 239, "Ship Convoy": 238, "Armor": 237, "Trucks": 236, "V-1 Intercept": 235,
    "Scramble": 234, "Continental Base": 233, "Transport Ship": 72, "Destroyers": 57,
}
CODES = list(TARGET_CODES.values())


# ---------------------------------------------------------------------------------------------
# Writing: one record per line where it fits, so that the files read as tables.

def inline(value):
    return json.dumps(value, ensure_ascii=False)


def entry(value, indent, widest):
    """A value on one line when that line is at most `widest` long, else one member a line."""
    pad = " " * indent
    text = inline(value)
    if not isinstance(value, dict) or len(pad) + len(text) <= widest:
        return pad + text
    members = [f'{pad}  {inline(k)}: {inline(v)}' for k, v in value.items()]
    return pad + "{\n" + ",\n".join(members) + "\n" + pad + "}"


def document(kind, members):
    lines = []
    for name, value in {"kind": kind, **members}.items():
        if isinstance(value, list) and value and not isinstance(value[0], int):
            inner = ",\n".join(entry(v, 4, 400) for v in value)
            lines.append(f'  {inline(name)}: [\n{inner}\n  ]')
        else:
            lines.append(f'  {inline(name)}: ' + entry(value, 2, 100).lstrip())
    return "{\n" + ",\n".join(lines) + "\n}\n"


def write(name, kind, members):
    (HERE / f"{name}.json").write_text(document(kind, members), encoding="utf-8")


# ---------------------------------------------------------------------------------------------
# targets.dat: every airfield and every town has a target; the seas have none.

def targets():
    records = []
    for index, name in enumerate(PLACES):
        if name in AIRFIELDS:
            records.append({"place": index, "airfield": AIRFIELDS.index(name) + 1})
        elif name in TOWNS:
            records.append({"place": index, "airfield": 0})
        else:
            assert name in SEAS
    assert len(records) == 302
    return records


# ---------------------------------------------------------------------------------------------
# Squadrons

def squadron(year, month, day, base, aircraft, *, planes=20, pilots=22, morale=180, skill=150,
             phase=0, group=3, weights=(100, 60, 0, 200, 0), sprite=0, unit=0, staffel=(0,) * 4,
             moves=(), changes=(), special=(), weapons=()):
    """A squadron record. `day` is the day of the month (1 to 31); `base` an airfield name
    or FORWARD_BASE; moves are (probability, phase, airfield name or FORWARD_BASE), changes
    (probability, phase, plane name), weapons (weapon name, phase, number)."""
    def base_number(b):
        return FORWARD_BASE if b == FORWARD_BASE else airfield(b)

    move_list = [{"probability": p, "phase": f, "destination": base_number(d)} for p, f, d in moves]
    change_list = [{"probability": p, "phase": f, "aircraft_type": plane(a), "reserved": 0}
                   for p, f, a in changes]
    weapon_list = [{"weapon": weapon(w), "phase": f, "number": n} for w, f, n in weapons]
    return {
        "start_year": year, "start_month": month - 1, "start_day": day - 1,
        "home_base": base_number(base), "aircraft_type": plane(aircraft), "num_aircraft": planes,
        "num_pilots": pilots, "morale": morale, "skill": skill, "commencing_phase": phase,
        "squadrons_in_group": group, "escort_weight": weights[0], "sweep_weight": weights[1],
        "bomb_weight": weights[2], "intercept_weight": weights[3],
        "interdiction_weight": weights[4], "sprite": sprite, "unit_name": unit,
        "unit_description": unit, "staffel": list(staffel),
        "num_moves": len(moves), "num_changes": len(changes),
        "moves": move_list + [{"probability": 0, "phase": 0, "destination": 0}] * (4 - len(moves)),
        "changes": change_list
        + [{"probability": 0, "phase": 0, "aircraft_type": 0, "reserved": 0}] * (4 - len(changes)),
        "special_missions": [1 if m + 1 in special else 0 for m in range(32)],
        "weapons": weapon_list + [{"weapon": 0, "phase": 0, "number": 0}] * (8 - len(weapons)),
    }


FIGHTER = (20, 200, 0, 220, 40)
FIGHTER_BOMBER = (40, 120, 160, 60, 220)
BOMBER = (0, 0, 255, 0, 60)


# The base squadrons that the squadron editor opens with: Fighter Command in August 1940. No
# weapon numbers, as the base file keeps none.
def base_squadrons():
    rows = [
        ("Biggin Hill", "Spitfire Mk I", 1, (60, 6, "West Malling")),
        ("Hornchurch", "Spitfire Mk I", 2, (40, 8, "Rochford")),
        ("Kenley", "Hurricane Mk I", 3, (50, 5, "Redhill")),
        ("Croydon", "Hurricane Mk I", 4, None),
        ("Northolt", "Hurricane Mk I", 5, (30, 10, "Hendon")),
        ("North Weald", "Hurricane Mk I", 6, (70, 4, "Stapleford Tawney")),
        ("Debden", "Hurricane Mk I", 7, None),
        ("Duxford", "Spitfire Mk I", 8, (80, 3, "Fowlmere")),
        ("Tangmere", "Hurricane Mk I", 9, (50, 7, "Westhampnett")),
        ("Middle Wallop", "Spitfire Mk I", 10, (20, 12, FORWARD_BASE)),
        ("Manston", "Spitfire Mk I", 11, (90, 2, "Hawkinge")),
        ("Gravesend", "Hurricane Mk I", 12, None),
    ]
    squadrons = []
    for base, aircraft, unit, move in rows:
        squadrons.append(squadron(
            1940, 8, 1, base, aircraft, planes=16, pilots=20, morale=200, skill=140 + unit,
            group=2, weights=FIGHTER, sprite=unit % 4, unit=unit, staffel=(unit, 0, 0, 0),
            moves=[move] if move else [],
            changes=[(50, 9, "Spitfire Mk IX")] if aircraft == "Spitfire Mk I" else [],
            special=[1, 2] if unit % 3 == 0 else [],
            weapons=[("None", 0, 0)]))
    return squadrons


# The Eighth Air Force's fighter groups and bomb groups of spring 1944.
def american_squadrons():
    return [
        squadron(1944, 3, 1, "Debden", "P-47D Thunderbolt", planes=30, pilots=30, phase=1,
                 group=3, weights=FIGHTER, sprite=20, unit=40, staffel=(1, 2, 3, 0),
                 changes=[(100, 2, "P-51B Mustang"), (80, 9, "P-51D Mustang")],
                 weapons=[("108 gal Drop Tank", 1, 20), ("150 gal Drop Tank", 3, 10)],
                 special=[3, 4]),
        squadron(1944, 3, 1, "Boxted", "P-47D Thunderbolt", planes=28, pilots=30, phase=1,
                 weights=FIGHTER_BOMBER, sprite=21, unit=41,
                 moves=[(100, 12, FORWARD_BASE)],
                 weapons=[("500 lb GP Bomb", 4, 40), ("5 in HVAR Rocket", 8, 100),
                          ("108 gal Drop Tank", 1, 30)], special=[5]),
        squadron(1944, 4, 15, "Leiston", "P-51B Mustang", planes=30, pilots=28, phase=2,
                 weights=FIGHTER, sprite=22, unit=42, changes=[(100, 8, "P-51D Mustang")],
                 weapons=[("75 gal Drop Tank", 2, 60), ("108 gal Drop Tank", 4, 60)]),
        squadron(1944, 1, 10, "Kings Cliffe", "P-38J Lightning", planes=25, pilots=26,
                 weights=FIGHTER, sprite=23, unit=43,
                 changes=[(100, 10, "P-51D Mustang")],
                 weapons=[("165 gal Drop Tank", 0, 50), ("1000 lb GP Bomb", 6, 20)]),
        squadron(1944, 2, 20, "Bassingbourn", "B-17G Flying Fortress", planes=30, pilots=30,
                 group=4, weights=BOMBER, sprite=30, unit=50,
                 weapons=[("500 lb GP Bomb", 0, 600), ("1000 lb GP Bomb", 5, 300),
                          ("M47 Incendiary Bomb", 9, 200)], special=[1, 6, 7]),
        squadron(1944, 2, 20, "Thorpe Abbotts", "B-17G Flying Fortress", planes=30, pilots=29,
                 group=4, weights=BOMBER, sprite=30, unit=51,
                 weapons=[("500 lb GP Bomb", 0, 600), ("100 lb GP Bomb", 3, 400)]),
        squadron(1944, 2, 20, "Hethel", "B-24D Liberator", planes=27, pilots=27, group=4,
                 weights=BOMBER, sprite=31, unit=52,
                 weapons=[("1000 lb GP Bomb", 0, 400), ("500 lb GP Bomb", 2, 500)]),
        squadron(1944, 5, 6, "Great Ashfield", "B-17G Flying Fortress", planes=24, pilots=24,
                 phase=3, group=4, weights=BOMBER, sprite=30, unit=53,
                 moves=[(30, 15, "Rougham")],
                 weapons=[("500 lb GP Bomb", 3, 500), ("250 lb GP Bomb", 3, 300)]),
        squadron(1944, 3, 28, "Raydon", "P-51B Mustang", planes=30, pilots=30, phase=1,
                 weights=FIGHTER, sprite=22, unit=44,
                 changes=[(100, 7, "P-51D Mustang")],
                 moves=[(60, 14, "Wattisham"), (40, 20, FORWARD_BASE)],
                 weapons=[("108 gal Drop Tank", 1, 120)]),
        squadron(1944, 6, 6, "Dunsfold", "Mosquito FB VI", planes=18, pilots=20, phase=4,
                 group=2, weights=FIGHTER_BOMBER, sprite=40, unit=60,
                 weapons=[("500 lb MC Bomb", 4, 200), ("RP-3 60 lb Rocket", 6, 160)],
                 special=[8, 9, 10, 11]),
    ]


# Luftwaffe fighter and bomber Gruppen on the Channel coast, summer 1940.
def german_squadrons():
    return [
        squadron(1940, 7, 20, "Wissant", "Bf 109E", planes=30, pilots=28, morale=230, skill=210,
                 weights=FIGHTER, sprite=1, unit=101, staffel=(1, 2, 3, 0),
                 moves=[(80, 4, "Calais-Marck"), (50, 9, "Audembert")],
                 changes=[(100, 12, "Bf 109G")],
                 weapons=[("SC 250 Bomb", 5, 10)]),
        squadron(1940, 7, 20, "Marquise", "Bf 109E", planes=28, pilots=27, morale=220, skill=200,
                 weights=FIGHTER, sprite=1, unit=102, staffel=(4, 5, 6, 0),
                 changes=[(70, 14, "Fw 190A")]),
        squadron(1940, 8, 1, "Guînes", "Bf 109E", planes=27, pilots=27, weights=FIGHTER,
                 sprite=1, unit=103, staffel=(7, 8, 9, 0)),
        squadron(1940, 8, 1, "Saint-Omer-Arques", "Bf 110C", planes=24, pilots=24,
                 weights=(200, 100, 60, 20, 80), sprite=3, unit=110, staffel=(1, 2, 3, 0),
                 weapons=[("Twin MG 151/20 Gunpod (Bf 110)", 6, 20), ("SC 500 Bomb", 2, 20)]),
        squadron(1940, 8, 10, "Cormeilles-en-Vexin", "He 111H", planes=30, pilots=30,
                 group=4, weights=BOMBER, sprite=7, unit=120, staffel=(1, 2, 3, 4),
                 weapons=[("SC 250 Bomb", 0, 320), ("SC 50 Bomb", 0, 160)]),
        squadron(1940, 8, 10, "Creil", "Do 17Z", planes=27, pilots=27, group=4,
                 weights=BOMBER, sprite=8, unit=121, staffel=(1, 2, 3, 0),
                 weapons=[("SC 50 Bomb", 0, 200)]),
        squadron(1940, 8, 13, "Lille-Vendeville", "Ju 88A", planes=30, pilots=29, group=3,
                 weights=BOMBER, sprite=6, unit=122, staffel=(1, 2, 3, 0),
                 changes=[(100, 16, "Me 410A")],
                 weapons=[("SC 500 Bomb", 0, 120), ("SC 1000 Bomb", 3, 30)]),
        squadron(1940, 8, 13, "Abbeville-Drucat", "Ju 87B Stuka", planes=30, pilots=30,
                 group=3, weights=(0, 0, 255, 0, 200), sprite=5, unit=130, staffel=(1, 2, 3, 0),
                 moves=[(100, 3, "Poix")],
                 weapons=[("SC 250 Bomb", 0, 90), ("SC 500 Bomb", 1, 30)], special=[2]),
    ]


# ---------------------------------------------------------------------------------------------
# Missions

def mission(fighters=(), attack=(), bombers=()):
    def group(rows):
        rows = [(plane(p), c) for p, c in rows]
        padded = rows + [(0, 0)] * (8 - len(rows))
        return {"count": len(rows), "plane_type": [p for p, _ in padded],
                "chance": [c for _, c in padded]}
    return {"fighters": group(fighters), "attack": group(attack), "bombers": group(bombers)}


MISSIONS = {
    # Channel fighting, summer 1940.
    "misn01": mission(fighters=[("Bf 109E", 200), ("Bf 110C", 80)],
                      attack=[("Ju 87B Stuka", 160)],
                      bombers=[("He 111H", 120), ("Do 17Z", 120), ("Ju 88A", 90)]),
    # A deep raid over Germany, 1944.
    "misn02": mission(fighters=[("P-51B Mustang", 150), ("P-51D Mustang", 200),
                                ("P-47D Thunderbolt", 120), ("P-38J Lightning", 60),
                                ("Spitfire Mk IX", 40)],
                      bombers=[("B-17F Flying Fortress", 100), ("B-17G Flying Fortress", 220),
                               ("B-24D Liberator", 180), ("B-26B Marauder", 40)]),
    # The last defence of the Reich, 1945: every row of every group in use.
    "misn03": mission(fighters=[("Bf 109G", 255), ("Fw 190A", 200), ("Fw 190D", 180),
                                ("Ta 152H", 40), ("Me 262A", 90), ("Me 163B Komet", 20),
                                ("He 162A", 10), ("Me 410A", 30)],
                      attack=[("Ar 234B", 60), ("Me 262A", 50), ("Fw 190A", 120),
                              ("Ju 88A", 30), ("Me 410A", 25), ("Bf 110C", 10),
                              ("Ju 87B Stuka", 5), ("Fw 190D", 40)],
                      bombers=[("Lancaster B I", 200), ("B-17G Flying Fortress", 255),
                               ("B-24D Liberator", 210), ("Mosquito FB VI", 80),
                               ("B-26B Marauder", 60), ("Typhoon Mk IB", 50),
                               ("Tempest Mk V", 30), ("P-47D Thunderbolt", 70)]),
}


# ---------------------------------------------------------------------------------------------
# Campaigns

def setup(year, month, day, language, side, camp_type, base, capital, defended, *, sqns,
          spev, spm, phases, length, days, plane_types):
    return {"start_year": year, "start_month": month - 1, "start_day": day - 1,
            "brief_language": language, "attack_side": side, "camp_type": camp_type,
            "attack_base": place(base), "attack_capital": place(capital),
            "defend_capital": place(defended), "num_sqns": sqns, "num_spev": spev,
            "num_spm": spm, "num_phases": phases, "phase_length": length,
            "days_between_missions": days, "num_plane_types": plane_types}


NO_SPECIFIC, DATE, TARGET, AIR_SUPERIORITY, PLAYER_RATING = range(5)
# The parameter that the phases editor leaves in the slider of a condition without one.
SLIDER_DEFAULT = {NO_SPECIFIC: 128, TARGET: 200, AIR_SUPERIORITY: 200}


def phase(win, win_param, lose, lose_param, us, german, british, priorities):
    us = list(us)
    return {"win_condition": win, "win_param": SLIDER_DEFAULT.get(win, win_param),
            "lose_condition": lose, "lose_param": SLIDER_DEFAULT.get(lose, lose_param),
            "us_aircraft": us[0], "us_arms": us[1], "us_chemical": us[2], "us_oil": us[3],
            "us_ballbearing": us[4], "us_railyard": us[5], "us_shipping": us[6],
            "us_sub": us[7], "german_production": german, "british_production": british,
            "target_priority": [TARGET_CODES[t] if isinstance(t, str) else t
                                for t in priorities]}


def empty_phase():
    return phase(0, 0, 0, 0, [0] * 8, 0, 0, ["Random Target"] * 8)


def plane_type(aircraft, start, end, replacement, initial, production, points):
    return {"plane_slot": NO_PLANE if aircraft is None else plane(aircraft),
            "start_phase": start, "end_phase": end,
            "replacement": NO_PLANE if replacement is None else plane(replacement),
            "initial_planes": initial, "production": production, "start_points": points}


def forces(air, ground, quality, morale, repair, production, factories, side=None):
    record = {} if side is None else {"side": side}
    record.update({"air": air, "ground": ground, "quality": quality, "morale": morale,
                   "repair": repair, "production": list(production),
                   "factories": list(factories)})
    return record


# Special event types and triggers, by their position in the editor's lists.
(NO_EVENT_TYPE, ATTACK_CAPITAL, BRIEFING_SPEECH, PLANE_REINFORCEMENT, ACTIVATE_MISSION,
 NEW_TYPE_BRIEFING, MISSION_LENGTH, ALLOW_INTERDICTION, ALLOW_ESCORT, ALLOW_SWEEP,
 FORCE_SCRAMBLE, WEAPONS_AVAILABLE, ACTIVATE_FRONTLINE, SUSPEND_FRONTLINE, ADVANCE_FRONTLINE,
 DONT_ESCORT_PRIMARY, CHANGE_V1_SPEECH, MODIFY_RATING, WITHDRAW_PLANE, PLAY_IN_MOVIE,
 PLAY_OUT_MOVIE, ACTIVATE_V1) = range(22)
(EVERY_MISSION, PHASE, FRONTLINE, YEAR, ALLIED_STRENGTH, GERMAN_STRENGTH, SPECIAL_MISSION,
 UNDOCUMENTED) = range(8)


def event(kind, trigger, trigger_param, chance, param1=0, param2=0):
    """A special event. The trigger parameter is one byte, and how the game reads a year or an
    air strength from it is not known, so the samples use no year trigger and strengths of 0
    only."""
    assert trigger != YEAR and 0 <= trigger_param <= 255
    assert trigger not in (ALLIED_STRENGTH, GERMAN_STRENGTH) or trigger_param == 0
    return {"type": kind, "trigger": trigger, "trigger_param": trigger_param, "chance": chance,
            "param1": param1, "param2": param2}


def empty_event():
    return event(NO_EVENT_TYPE, EVERY_MISSION, 0, 0)


# Special mission triggers, mission types, weather and briefing views.
(UNUSED, ON_SPECIAL_EVENT, ON_PHASE, CAPITAL_ATTACKED, MISSION_NUMBER, OTHER_SPECIAL,
 ON_FRONTLINE, V1_AVAILABLE, ON_DATE, BULGE) = range(10)
ESCORT, SWEEP, BOMB, INTERCEPT, INTERDICT = range(5)
RANDOM_WEATHER, CLEAR, PARTLY_CLOUDY, HEAVY_CLOUDS, OVERCAST = range(5)
ZOOM_AND_TELL, ZOOM, TELL = -1, -2, -3
TWO_PLANE, FF_FF = -2, -1


def date_param(day, month, year):
    """The packed date of the date trigger: day in the low byte, month * 16 plus the year's
    position (1940 is 0) in the high byte, as a signed word."""
    word = ((month * 16 + year - 1940) << 8) | day
    return word - 65536 if word >= 32768 else word


def special_mission(trigger, param, chance, kind, target_type, targets, time, weather, views,
                    standard, success, fail, secondary, formation, altitude):
    """`time` is None for a random time or (hour, minute); `targets` names the places in use;
    `standard` the standard speech items by position; `secondary` (always, same target)."""
    target_list = [place(t) for t in targets]
    return {"trigger": trigger, "chance": chance, "trigger_param": param, "mission_type": kind,
            "num_targets": len(target_list), "target_priority": TARGET_CODES[target_type],
            "targets": target_list + [-1] * (8 - len(target_list)),
            "random_time": 1 if time is None else 0,
            "hour": 0 if time is None else time[0], "minute": 0 if time is None else time[1],
            "weather": weather, "brief_view": list(views) + [ZOOM_AND_TELL] * (8 - len(views)),
            "standard_speech": [1 if i in standard else 0 for i in range(8)],
            "success_event": success, "fail_event": fail,
            "secondary_flight": secondary[0], "secondary_same_target": secondary[1],
            "formation": formation, "altitude": altitude}


def empty_special_mission():
    return special_mission(UNUSED, 0, 0, ESCORT, "Random Target", [], (0, 0), RANDOM_WEATHER,
                           [], [], NO_EVENT, NO_EVENT, (0, 0), 1940, 0)


def full_campaign():
    """1943 to 1945, the Allies against the Reich: every section in full use."""
    conditions = [(w, l) for w in range(5) for l in range(5)]  # every pair, 25 phases
    priority_rows = [CODES[(8 * p + k) % len(CODES)] for p in range(25) for k in range(8)]
    phases = []
    for p, (win, lose) in enumerate(conditions):
        us = [min(2000, 400 + 60 * p + 100 * k) for k in range(8)]
        # A date parameter is a day of the 14-day phase; a rating one goes up to 255.
        win_param = p % 15 if win == DATE else 10 * p
        lose_param = 14 - p % 15 if lose == DATE else 40 + 4 * p
        phases.append(phase(win, win_param, lose, lose_param, us, 255 - 8 * p, 120 + 5 * p,
                            priority_rows[8 * p:8 * p + 8]))

    # Each aircraft once, with its successor where it had one.
    successors = {
        "Spitfire Mk I": "Spitfire Mk IX", "Hurricane Mk I": "Typhoon Mk IB",
        "Bf 109E": "Bf 109G", "Bf 110C": "Me 410A", "Ju 87B Stuka": "Fw 190A",
        "Do 17Z": "Ju 88A", "Typhoon Mk IB": "Tempest Mk V", "Fw 190A": "Fw 190D",
        "P-51B Mustang": "P-51D Mustang", "B-17F Flying Fortress": "B-17G Flying Fortress",
        "Fw 190D": "Ta 152H", "Me 262A": "He 162A",
    }
    plane_types = []
    for i, name in enumerate(PLANES):
        start = i * 25 // 30
        replacement = successors.get(name)
        end = min(25, start + 8) if replacement else 25
        plane_types.append(plane_type(name, start, end, replacement, 10 * (5 + 3 * i),
                                      10 * (2 + i), 100 * (1 + i % 50)))

    german = forces(3500, 4200, 2, 210, 160, [4200, 3800, 2600, 3000, 1800, 2400, 1500, 2200],
                    [45, 40, 25, 30, 15, 35, 10, 20])
    allied = forces(5000, 2500, 1, 190, 230, [5000, 4600, 3300, 3900, 2000, 2800, 4400, 1200],
                    [50, 50, 30, 0, 40, 50, 20, 0], side=2)

    events = [
        event(NO_EVENT_TYPE, EVERY_MISSION, 0, 0),
        event(ATTACK_CAPITAL, PHASE, 20, 200),
        event(BRIEFING_SPEECH, FRONTLINE, 3, 180),
        event(PLANE_REINFORCEMENT, PHASE, 9, 255, plane("P-51D Mustang"), 150),
        event(ACTIVATE_MISSION, ALLIED_STRENGTH, 0, 220, 5),
        event(NEW_TYPE_BRIEFING, GERMAN_STRENGTH, 0, 160, plane("Me 262A"), 280),
        event(MISSION_LENGTH, SPECIAL_MISSION, 0, 100, 1024),
        event(ALLOW_INTERDICTION, UNDOCUMENTED, 0, 90),
        event(ALLOW_ESCORT, EVERY_MISSION, 0, 255),
        event(ALLOW_SWEEP, PHASE, 4, 255),
        event(FORCE_SCRAMBLE, FRONTLINE, 12, 140),
        event(WEAPONS_AVAILABLE, PHASE, 10, 255, weapon("R4M Rocket")),
        event(ACTIVATE_FRONTLINE, ALLIED_STRENGTH, 0, 200),
        event(SUSPEND_FRONTLINE, GERMAN_STRENGTH, 0, 60, 2),
        event(ADVANCE_FRONTLINE, SPECIAL_MISSION, 0, 150, 1),
        event(DONT_ESCORT_PRIMARY, UNDOCUMENTED, 0, 30),
        event(CHANGE_V1_SPEECH, PHASE, 11, 255, 201, 202),
        event(MODIFY_RATING, FRONTLINE, 19, 128, -128),
        event(WITHDRAW_PLANE, PHASE, 8, 255, plane("Ju 87B Stuka")),
        event(PLAY_IN_MOVIE, PHASE, 0, 255, 1),
        event(PLAY_OUT_MOVIE, PHASE, 24, 255, 2),
        event(ACTIVATE_V1, PHASE, 9, 255, 1),
        event(PLANE_REINFORCEMENT, PHASE, 8, 200, plane("B-24D Liberator"), 1000),
        event(MODIFY_RATING, SPECIAL_MISSION, 0, 255, 128),
        event(ACTIVATE_MISSION, PHASE, 6, 255, 12),
        event(ACTIVATE_V1, GERMAN_STRENGTH, 0, 255, 0),
        event(WITHDRAW_PLANE, PHASE, 5, 50, plane("Do 17Z")),
        event(PLANE_REINFORCEMENT, ALLIED_STRENGTH, 0, 180, plane("Tempest Mk V"), 0),
        event(NEW_TYPE_BRIEFING, PHASE, 15, 255, plane("Ar 234B"), 0),
        event(WEAPONS_AVAILABLE, FRONTLINE, 0, 255, weapon("5 in HVAR Rocket")),
        event(CHANGE_V1_SPEECH, PHASE, 10, 100, 0, 255),
        event(PLAY_IN_MOVIE, EVERY_MISSION, 0, 1, 255),
    ]

    all_speech = range(8)
    missions = [
        special_mission(ON_SPECIAL_EVENT, 0, 255, ESCORT, "Aircraft Factory", ["Regensburg"],
                        (6, 30), CLEAR, [ZOOM_AND_TELL, 12, 13], all_speech, 4, NO_EVENT, (1, 1),
                        1943, 24000),
        special_mission(ON_PHASE, 2, 200, BOMB, "Ball Bearing Pland", ["Schweinfurt"], (9, 45),
                        PARTLY_CLOUDY, [ZOOM, TELL, 14], [0, 2, 3, 4], 9, 2, (1, 0), 1944,
                        25000),
        special_mission(CAPITAL_ATTACKED, 0, 180, INTERCEPT, "Scramble", [], None,
                        RANDOM_WEATHER, [TELL], [0, 6], NO_EVENT, NO_EVENT, (0, 0), TWO_PLANE,
                        18000),
        special_mission(MISSION_NUMBER, 0, 150, SWEEP, "Continental Base",
                        ["Abbeville-Drucat", "Saint-Omer-Arques"], (15, 0), HEAVY_CLOUDS,
                        [ZOOM_AND_TELL, 0], [0, 1, 7], 10, 11, (0, 1), 1945, 20000),
        special_mission(OTHER_SPECIAL, 0, 120, INTERDICT, "Railyard",
                        ["Hamm", "Soest", "Osnabrück"], (7, 15), OVERCAST, [ZOOM, 308],
                        [2, 3], 15, NO_EVENT, (1, 1), 1940, 8000),
        special_mission(ON_FRONTLINE, 7, 255, BOMB, "Rail River Bridge", ["Remagen"], (13, 20),
                        CLEAR, [TELL, ZOOM, ZOOM_AND_TELL, 150], [4, 5], 13, 14, (0, 0), FF_FF,
                        12000),
        special_mission(V1_AVAILABLE, 0, 255, BOMB, "V-1 Site",
                        ["Siracourt", "Wizernes", "Watten", "Mimoyecques"], None, CLEAR,
                        [ZOOM_AND_TELL, 30, 31], all_speech, 22, NO_EVENT, (1, 0), 1944, 15000),
        special_mission(ON_DATE, date_param(6, 6, 1944), 255, INTERDICT, "Armor",
                        ["Caen", "Falaise", "Saint-Lô", "Argentan", "Cherbourg"], (5, 0),
                        PARTLY_CLOUDY, [ZOOM, ZOOM_AND_TELL, TELL, 60, 61, 62], [0, 1, 2, 3, 7],
                        NO_EVENT, NO_EVENT, (1, 1), 1944, 3000),
        special_mission(BULGE, 1, 255, INTERDICT, "Trucks", ["Bastogne", "Saint-Vith"],
                        (10, 30), OVERCAST, [TELL], [3, 5, 6, 7], 17, 17, (0, 0), 1945, 5000),
        empty_special_mission(),
    ]
    # More missions of every trigger, target type and weather, with times across the day.
    targets_by_kind = [
        ("Oil Refinery", ["Merseburg", "Pölitz", "Gelsenkirchen"]),
        ("Chemical Plant", ["Ludwigshafen"]),
        ("Armament Factory", ["Essen", "Kassel"]),
        ("Shipyard", ["Bremen", "Kiel", "Wilhelmshaven", "Hamburg"]),
        ("U-Boat Pen", ["Lorient", "Saint-Nazaire", "Brest", "La Pallice", "Bordeaux"]),
        ("Airfield", ["Rheine", "Jever", "Oldenburg", "Achmer", "Hopsten", "Vechta"]),
        ("Radar Station", ["Dieppe", "Le Havre"]),
        ("Road Coast Bridge 1", ["Rouen"]),
        ("Ship Convoy", []),
        ("V-1 Intercept", []),
        ("Transport Ship", ["Dunkerque", "Calais", "Boulogne-sur-Mer"]),
        ("Destroyers", []),
        ("Fuel Dump *", ["Chartres", "Orléans", "Reims", "Metz", "Nancy", "Strasbourg", "Tours"]),
        ("Hangar *", ["Juvincourt", "Laon-Athies", "Florennes", "Chièvres", "Melsbroek",
                      "Deurne", "Woensdrecht", "Gilze-Rijen"]),
        ("Warehouse ***", ["Antwerp"]),
        ("People Marching **", ["Berlin"]),
        ("London", ["London"]),
        ("Rail Coast Bridge 2", ["Den Helder"]),
        ("Heavy Flak ***", ["Wesel"]),
        ("Headquarters ***", ["Koblenz"]),
        ("No Target", []),
        ("Random Target", ["Köln", "Düsseldorf"]),
    ]
    triggers = [ON_SPECIAL_EVENT, ON_PHASE, CAPITAL_ATTACKED, MISSION_NUMBER, OTHER_SPECIAL,
                ON_FRONTLINE, V1_AVAILABLE, ON_DATE, BULGE]
    formations = [1940, 1943, 1944, 1945, TWO_PLANE, FF_FF]
    for i, (target_type, places) in enumerate(targets_by_kind):
        trigger = triggers[i % len(triggers)]
        param = {ON_PHASE: 3 + i % 20, ON_FRONTLINE: i % 20, BULGE: 2,
                 ON_DATE: date_param(1 + i, 1 + i % 12, 1940 + i % 6)}.get(trigger, 0)
        time = None if i % 4 == 3 else ((6 + i) % 24, (7 * i) % 60)
        views = [[ZOOM_AND_TELL], [ZOOM, 40 + i], [TELL, ZOOM_AND_TELL], [100 + i, ZOOM]][i % 4]
        success = NO_EVENT if i % 3 == 0 else 1 + i
        fail = NO_EVENT if i % 2 == 0 else 32 - i
        missions.append(special_mission(
            trigger, param, 100 + 7 * i, i % 5, target_type, places, time, i % 5, views,
            [k for k in range(8) if (i >> (k % 4)) & 1], success, fail, (i % 2, i // 2 % 2),
            formations[i % 6], 1000 * (i + 4)))
    assert len(missions) == 32

    return {
        "setup": setup(1943, 8, 17, 2, 2, 1, "Bassingbourn", "London", "Berlin", sqns=25,
                       spev=32, spm=32, phases=25, length=14, days=2, plane_types=30),
        "phases": phases,
        "plane_types": plane_types,
        "german_forces": german,
        "allied_forces": allied,
        "special_events": events,
        "special_missions": missions,
        "v1_speech": {"v1_attack_speech": 201, "v1_escort_speech": 202,
                      "v1_intercept_speech": 203, "v1_ground_speech": 308},
    }


def short_campaign():
    """The summer of 1940: the Luftwaffe against Fighter Command, five weekly phases."""
    phases = [
        phase(DATE, 7, NO_SPECIFIC, 0, [0] * 8, 200, 90,
              ["Radar Station", "Airfield", "Shipyard", "Ship Convoy", "Destroyers",
               "Random Target", "No Target", "No Target"]),
        phase(AIR_SUPERIORITY, 0, PLAYER_RATING, 60, [0] * 8, 210, 110,
              ["Airfield", "Hangar *", "AC Tower *", "Radar Tower", "Fuel Dump *",
               "Aircraft Factory", "No Target", "No Target"]),
        phase(TARGET, 0, DATE, 7, [0] * 8, 220, 130,
              ["Aircraft Factory", "Airfield", "Armament Factory", "Railyard", "Oil Storage ***",
               "Random Target", "No Target", "No Target"]),
        phase(PLAYER_RATING, 150, AIR_SUPERIORITY, 0, [0] * 8, 230, 150,
              ["London", "Railyard", "Shipyard", "Random Target", "No Target", "No Target",
               "No Target", "No Target"]),
        phase(DATE, 7, TARGET, 0, [0] * 8, 240, 160,
              ["London", "Random Target", "No Target", "No Target", "No Target", "No Target",
               "No Target", "No Target"]),
    ]
    planes = [
        plane_type("Bf 109E", 0, 25, None, 800, 150, 1000),
        plane_type("Bf 110C", 0, 25, None, 300, 60, 800),
        plane_type("Ju 87B Stuka", 0, 2, None, 300, 30, 500),
        plane_type("He 111H", 0, 25, None, 500, 80, 900),
        plane_type("Do 17Z", 0, 25, None, 400, 40, 700),
        plane_type("Ju 88A", 0, 25, None, 350, 90, 900),
        plane_type("Spitfire Mk I", 0, 25, None, 350, 120, 1200),
        plane_type("Hurricane Mk I", 0, 25, None, 600, 180, 1100),
    ]
    return {
        "setup": setup(1940, 8, 12, 0, 0, 0, "Calais-Marck", "Berlin", "London", sqns=12,
                       spev=4, spm=2, phases=5, length=7, days=1, plane_types=8),
        "phases": phases + [empty_phase()] * 20,
        "plane_types": planes + [plane_type(None, 0, 0, None, 0, 0, 0)] * 22,
        "german_forces": forces(2600, 3000, 2, 230, 120,
                                [1500, 1200, 800, 900, 600, 700, 400, 300],
                                [20, 15, 10, 10, 5, 15, 5, 5]),
        "allied_forces": forces(700, 1500, 1, 200, 180, [1100, 900, 500, 200, 300, 400, 800, 100],
                                [20, 0, 10, 0, 10, 0, 20, 0], side=1),
        "special_events": [
            event(ACTIVATE_MISSION, PHASE, 1, 255, 1),
            event(PLANE_REINFORCEMENT, PHASE, 2, 200, plane("Spitfire Mk I"), 60),
            event(WITHDRAW_PLANE, PHASE, 2, 255, plane("Ju 87B Stuka")),
            event(ATTACK_CAPITAL, PHASE, 3, 255),
        ] + [empty_event()] * 28,
        "special_missions": [
            special_mission(ON_SPECIAL_EVENT, 0, 255, BOMB, "Radar Station",
                            ["Dover", "Dungeness"], (11, 0), CLEAR, [ZOOM_AND_TELL, 5],
                            [0, 2, 3, 5, 6], 4, NO_EVENT, (1, 0), 1940, 12000),
            special_mission(ON_PHASE, 3, 200, ESCORT, "London", ["London"], (17, 0),
                            PARTLY_CLOUDY, [ZOOM, TELL], range(8), NO_EVENT, NO_EVENT, (1, 1),
                            1940, 16000),
        ] + [empty_special_mission()] * 30,
        "v1_speech": {"v1_attack_speech": 0, "v1_escort_speech": 0, "v1_intercept_speech": 0,
                      "v1_ground_speech": 0},
    }


def main():
    write("weapons", "strings", {"strings": WEAPONS})
    write("planes", "strings", {"strings": PLANES})
    write("places", "strings", {"strings": PLACES})
    write("targets", "targets", {"records": targets()})
    write("sqbasic", "squadrons", {"squadrons": base_squadrons()})
    write("sq01", "squadrons", {"squadrons": american_squadrons()})
    write("sq02", "squadrons", {"squadrons": german_squadrons()})
    for name, members in MISSIONS.items():
        write(name, "mission", members)
    write("camp01", "campaign", full_campaign())
    write("camp02", "campaign", short_campaign())


if __name__ == "__main__":
    main()
