"""The names of the sample game folder: weapons, planes and places of the period.

Weapon and plane names are listed by their code; places are listed by region, and a place's
index is its position in PLACES. AIRFIELDS are numbered 1 to 162 in the order they appear.
"""

WEAPONS = [
    "None", "100 lb GP Bomb", "250 lb GP Bomb", "500 lb GP Bomb", "1000 lb GP Bomb",
    "SC 50 Bomb", "SC 250 Bomb", "SC 500 Bomb", "SC 1000 Bomb",
    "45 gal Drop Tank", "75 gal Drop Tank", "108 gal Drop Tank", "150 gal Drop Tank",
    "165 gal Drop Tank", "200 gal Drop Tank", "300 l Drop Tank",
    "RP-3 60 lb Rocket", "5 in FFAR Rocket", "5 in HVAR Rocket", "WGr 21 Rocket", "R4M Rocket",
    "Twin MG 151/20 Gunpod (Bf 110)", "MG 151/20 Gunpod (Bf 109)",
    "Twin MG 151/20 Gunpod (Fw 190)", "SC 1800 Bomb", "AB 250 Cluster Bomb",
    "M47 Incendiary Bomb", "Tallboy 12000 lb", "BK 3,7 Gunpod", "500 lb MC Bomb",
    "Mk 108 Gunpod", "Smoke Canister",
]

PLANES = [
    "Spitfire Mk I", "Hurricane Mk I", "Bf 109E", "Bf 110C", "Ju 87B Stuka", "Ju 88A",
    "He 111H", "Do 17Z", "Spitfire Mk IX", "Typhoon Mk IB", "Fw 190A", "Bf 109G",
    "P-47D Thunderbolt", "P-38J Lightning", "P-51B Mustang", "P-51D Mustang",
    "B-17F Flying Fortress", "B-17G Flying Fortress", "B-24D Liberator", "B-26B Marauder",
    "Tempest Mk V", "Mosquito FB VI", "Me 262A", "Me 163B Komet", "Fw 190D", "Ta 152H",
    "Me 410A", "Lancaster B I", "Ar 234B", "He 162A",
]

# Towns and cities with targets; each has one target record.
ENGLISH_TOWNS = [
    "London", "Dover", "Folkestone", "Canterbury", "Maidstone", "Ashford", "Hastings",
    "Eastbourne", "Brighton", "Portsmouth", "Southampton", "Bournemouth", "Weymouth", "Portland",
    "Plymouth", "Bristol", "Coventry", "Birmingham", "Liverpool", "Manchester", "Sheffield",
    "Hull", "Norwich", "Ipswich", "Harwich", "Chatham", "Sheerness", "Dungeness", "Cambridge",
    "Peterborough", "Bedford", "Oxford", "Reading", "Swindon", "Yeovil",
]

ENGLISH_AIRFIELDS = [
    # Fighter Command
    "Hendon", "Biggin Hill", "Hornchurch", "Kenley", "Croydon", "Northolt", "North Weald", "Debden",
    "Duxford", "Fowlmere", "Martlesham Heath", "Manston", "Hawkinge", "Lympne", "Detling",
    "Gravesend", "West Malling", "Redhill", "Tangmere", "Westhampnett", "Ford", "Thorney Island",
    "Middle Wallop", "Warmwell", "Exeter", "Filton", "Coltishall", "Wittering",
    "Stapleford Tawney", "Rochford", "Eastchurch", "Rochester", "Gatwick", "Odiham",
    "Farnborough", "Bradwell Bay", "Hunsdon", "Friston", "Shoreham", "Chilbolton",
    "Hurn", "Ibsley", "Harrowbeer",
    # Eighth Air Force bombers
    "Bassingbourn", "Thurleigh", "Molesworth", "Kimbolton", "Polebrook", "Grafton Underwood",
    "Chelveston", "Podington", "Deenethorpe", "Glatton", "Alconbury", "Ridgewell",
    "Great Ashfield", "Knettishall", "Framlingham", "Horham", "Thorpe Abbotts",
    "Snetterton Heath", "Deopham Green", "Rattlesden", "Rougham",
    "Hardwick", "Shipdham", "Wendling", "Old Buckenham", "Tibenham", "Seething",
    "Hethel", "Horsham St Faith", "North Pickenham", "Attlebridge",
    # Eighth Air Force fighters
    "Bodney", "Boxted", "Halesworth", "Kings Cliffe", "Leiston", "Raydon", "Steeple Morden",
    "Wattisham", "Wormingford", "East Wretham", "Honington", "Metfield", "Bottisham",
    # Bomber Command and the tactical air forces
    "Marham", "Scampton", "Waddington", "Woodhall Spa", "Coningsby", "Lasham", "Dunsfold",
]

# Waters over which there is nothing to bomb.
SEAS = [
    "English Channel", "North Sea", "Thames Estuary", "Straits of Dover", "Bay of Biscay",
    "Heligoland Bight",
]

FRENCH_TOWNS = [
    "Paris", "Calais", "Boulogne-sur-Mer", "Dunkerque", "Dieppe", "Le Havre", "Rouen", "Amiens",
    "Lille", "Arras", "Saint-Nazaire", "Lorient", "Brest", "La Pallice", "Bordeaux", "Nantes",
    "Caen", "Cherbourg", "Saint-Lô", "Falaise", "Argentan", "Chartres", "Orléans", "Reims",
    "Metz", "Nancy", "Strasbourg", "Mimoyecques", "Siracourt", "Wizernes", "Watten",
    "Hazebrouck", "Béthune", "Saint-Pol", "Abbeville", "Étaples", "Le Mans", "Tours", "Juvisy",
]

CONTINENTAL_AIRFIELDS = [
    "Abbeville-Drucat", "Saint-Omer-Arques", "Wissant", "Marquise", "Calais-Marck", "Guînes",
    "Audembert", "Coquelles", "Desvres", "Le Touquet", "Lille-Vendeville", "Cambrai-Niergnies",
    "Beauvais-Tillé", "Creil", "Cormeilles-en-Vexin", "Évreux", "Caen-Carpiquet",
    "Cherbourg-Maupertus", "Dinard", "Rennes", "Villacoublay", "Le Bourget", "Orly",
    "Amiens-Glisy", "Poix", "Montdidier", "Laon-Athies", "Juvincourt", "Chièvres", "Florennes",
    "Sint-Truiden", "Melsbroek", "Deurne", "Woensdrecht", "Gilze-Rijen", "Eindhoven", "Venlo",
    "Deelen", "Leeuwarden", "Schiphol", "Twenthe", "Vlissingen", "Bernay", "Conches",
    "Rosières-en-Santerre",
]

LOW_COUNTRIES_TOWNS = [
    "Brussels", "Antwerp", "Ghent", "Liège", "Namur", "Bastogne", "Saint-Vith", "Amsterdam",
    "Rotterdam", "The Hague", "Arnhem", "Nijmegen", "Den Helder", "IJmuiden", "Utrecht",
    "Maastricht",
]

GERMAN_TOWNS = [
    "Berlin", "Hamburg", "Bremen", "Kiel", "Wilhelmshaven", "Emden", "Hannover", "Osnabrück",
    "Hamm", "Soest", "Essen", "Duisburg", "Düsseldorf", "Köln", "Gelsenkirchen", "Bochum",
    "Wuppertal", "Aachen", "Saarbrücken", "Koblenz", "Remagen", "Mainz", "Frankfurt am Main",
    "Darmstadt", "Mannheim", "Ludwigshafen", "Karlsruhe", "Stuttgart", "Heilbronn", "Ulm",
    "Augsburg", "München", "Nürnberg", "Regensburg", "Schweinfurt", "Kassel", "Magdeburg",
    "Leipzig", "Merseburg", "Dresden", "Braunschweig", "Halberstadt", "Oschersleben",
    "Peenemünde", "Rostock", "Stettin", "Lübeck", "Pölitz", "Wesel", "Friedrichshafen",
]

GERMAN_AIRFIELDS = [
    "Rheine", "Münster-Handorf", "Jever", "Oldenburg", "Wittmundhafen", "Stade", "Vechta",
    "Hopsten", "Achmer", "Plantlünne", "Lippstadt", "Werl", "Dortmund-Brackel",
    "Köln-Butzweilerhof", "Bonn-Hangelar", "Mönchengladbach", "Wunstorf", "Celle", "Parchim",
    "Rechlin-Lärz", "Oranienburg", "Schönwalde", "Döberitz",
]

TOWNS = ENGLISH_TOWNS + FRENCH_TOWNS + LOW_COUNTRIES_TOWNS + GERMAN_TOWNS
AIRFIELDS = ENGLISH_AIRFIELDS + CONTINENTAL_AIRFIELDS + GERMAN_AIRFIELDS
PLACES = (ENGLISH_TOWNS + ENGLISH_AIRFIELDS + SEAS + FRENCH_TOWNS + CONTINENTAL_AIRFIELDS
          + LOW_COUNTRIES_TOWNS + GERMAN_TOWNS + GERMAN_AIRFIELDS)
