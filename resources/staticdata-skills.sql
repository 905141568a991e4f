-- Every skill the program knows, with the text shown when a player asks what
-- a skill does. A specific skill names its generic skill in Special and is
-- offered only for home worlds whose tech level lies within TLLow..TLHigh;
-- weapon group members name their group and are never offered by the picker.

-- Plain skills.
INSERT INTO Skills (Name, Special, TLLow, TLHigh, Description) VALUES
  ('Administration', '', 0, 99, 'Handling paperwork, permits and bureaucrats. Roll it to get a licence issued quickly, to talk past an obstructive official, or to keep an office, depot or ship''s records running smoothly.'),
  ('Battle Dress', '', 0, 99, 'Training in powered combat armour. Without it a character sealed inside the suit is clumsy and slow; with it the wearer moves, fights and keeps the suit''s systems working as if it were their own body.'),
  ('Bribery', '', 0, 99, 'Knowing whom to pay, how much and how to offer it without causing offence. Use it to have a charge dropped, a cargo waved through customs or a guard look the other way; a clumsy attempt may bring an arrest.'),
  ('Brawling', '', 0, 99, 'Fighting with fists, feet, elbows and whatever furniture is to hand. It matters in bar fights, when disarmed, and whenever a scuffle breaks out in a corridor too cramped for weapons.'),
  ('Carousing', '', 0, 99, 'The art of drinking, dancing and making friends at parties. A good roll turns a night out into useful contacts, rumours and local gossip, and keeps the character clear-headed while others are not.'),
  ('Communications', '', 0, 99, 'Operating radios, lasercom and long-range transmitters. Roll it to raise a distant station, to jam or trace a signal, to listen in on enemy traffic, or to keep a link open through interference.'),
  ('Computer', '', 0, 99, 'Programming and operating computers, from a hand terminal to a starship''s main system. It lets the character load ship programs, search databases, break into protected files or repair corrupted software.'),
  ('Electronics', '', 0, 99, 'Building, diagnosing and repairing electronic equipment such as sensors, comms gear and control panels. Roll it to fix a damaged device, bypass a lock or rig a makeshift circuit from spare parts.'),
  ('Engineering', '', 0, 99, 'Running and repairing a starship''s drives and power plant. An engineer keeps the jump drive safe, patches battle damage in the engine room and squeezes extra performance out of ageing machinery.'),
  ('Fleet Tactics', '', 0, 99, 'Commanding a squadron or a whole fleet in battle. A fleet commander''s skill improves the initiative and positioning of every ship under orders, and decides whether an engagement is offered or refused.'),
  ('Forgery', '', 0, 99, 'Faking documents, identity papers, seals and signatures. Roll it to produce a pass that survives inspection, or to spot that a document someone else presents has been altered.'),
  ('Forward Observer', '', 0, 99, 'Calling in fire from ships in orbit or artillery beyond the horizon. A trained observer places the strike on target quickly; an untrained one risks missing or hitting friendly troops.'),
  ('Gambling', '', 0, 99, 'Knowledge of games of chance and the people who play them. A skilled gambler can win money at cards or dice, judge whether a game is rigged, and size up opponents by how they bet.'),
  ('Gravitics', '', 0, 99, 'Maintaining and repairing anti-gravity devices: grav vehicles, grav belts, lifters and a ship''s artificial gravity plates. Roll it when such gear fails or must be adjusted beyond its normal limits.'),
  ('Instruction', '', 0, 99, 'Teaching others. An instructor can pass a skill on to a student over weeks of practice, and can brief a group quickly and clearly before an operation.'),
  ('Interrogation', '', 0, 99, 'Questioning prisoners and suspects to extract the truth. It helps the character judge when someone is lying and draw information out of an unwilling subject without resorting to force.'),
  ('Jack-o-T', '', 0, 99, 'A little of everything. A jack of all trades can attempt tasks in skills they have never trained as if they had some slight knowledge, reducing the penalty for being unskilled.'),
  ('Leader', '', 0, 99, 'Inspiring and directing others under pressure. Roll it to rally troops, to keep a frightened crew at their posts, or to persuade a group to follow orders they dislike.'),
  ('Liaison', '', 0, 99, 'Dealing with other cultures, services and organisations. It smooths negotiations with alien delegations, foreign officers and local authorities, and helps avoid diplomatic blunders.'),
  ('Mechanical', '', 0, 99, 'Repairing and operating mechanical devices, from hydraulics and locks to a vehicle''s transmission. It covers the nuts-and-bolts fixes that electronics and engineering do not.'),
  ('Medical', '', 0, 99, 'Diagnosing and treating wounds, illness and poison. Medical skill decides whether a wounded character recovers, how fast, and whether someone near death can be stabilised in time.'),
  ('Navigation', '', 0, 99, 'Plotting courses, including jumps between star systems, and finding one''s position from stars or landmarks. A poor plot wastes fuel and time or misdirects a jump.'),
  ('Pilot', '', 0, 99, 'Flying starships and large interplanetary craft. A pilot handles docking, atmospheric entry, evasive manoeuvres in combat and landings on rough ground.'),
  ('Recruiting', '', 0, 99, 'Finding and hiring the right people. Roll it to sign on crew, mercenaries or specialists for a venture, and to judge whether a candidate is as good as they claim.'),
  ('Ship Tactics', '', 0, 99, 'Fighting a single ship in combat. A captain with this skill gains the initiative, picks the range and angle of engagement, and gets more out of the ship''s gunners.'),
  ('Ships Boat', '', 0, 99, 'Flying small craft such as a ship''s boat, shuttle, launch or fighter. It covers ferrying people and cargo between orbit and the ground, and small-craft combat.'),
  ('Streetwise', '', 0, 99, 'Finding one''s way through the underworld of a starport or city. It locates black markets, fences and informants, and warns the character which neighbourhoods to avoid.'),
  ('Survival', '', 0, 99, 'Staying alive in hostile wilderness: finding water and food, building shelter and avoiding hazards. It matters after a crash landing or whenever help is far away.'),
  ('Vacc Suit', '', 0, 99, 'Working in a vacuum suit or other sealed protective suit. Without training the wearer risks leaks, exhaustion and mistakes; with it they can carry out repairs and fights in hard vacuum or toxic air.'),
  ('Zero-G Combat', '', 0, 99, 'Fighting in free fall without being flung about by recoil or losing one''s footing. It matters in boarding actions and aboard stations and ships whose gravity has failed.');

-- Generic skills: the skill picker replaces each by a specific one.
INSERT INTO Skills (Name, Special, TLLow, TLHigh, Description) VALUES
  ('Gun Combat', '', 0, 99, 'Any personal firearm. When this skill is received the character chooses a specific gun or weapon group from those available at their home world''s tech level.'),
  ('Blade Combat', '', 0, 99, 'Any hand-to-hand weapon. When this skill is received the character chooses one particular blade or melee weapon known on their home world.'),
  ('Gunnery', '', 0, 99, 'Any ship-mounted weapon system. When this skill is received the character chooses one kind of starship armament, such as lasers or missiles, that their home world''s technology supports.'),
  ('Vehicle', '', 0, 99, 'Any ground, water or air vehicle. When this skill is received the character chooses one specific kind of vehicle in common use at their home world''s tech level.');

-- Gun Combat.
INSERT INTO Skills (Name, Special, TLLow, TLHigh, Description) VALUES
  ('Handgun', 'Gun Combat', 7, 15, 'Covers all pistols: revolvers, automatic pistols and the small body and snub pistols. A handgun is easy to carry and conceal and suits close quarters, but lacks the reach of a long arm.'),
  ('Submachinegun', 'Gun Combat', 7, 15, 'A compact automatic weapon firing pistol rounds. The skill lets the character spray bursts at short range, making it a favourite for boarding parties and security teams.'),
  ('Rifle', 'Gun Combat', 7, 15, 'The long-barrelled rifle and its single aimed shots. Skill here means accurate fire at long range, useful for hunting, sniping and open-country fighting.'),
  ('Carbine', 'Gun Combat', 7, 15, 'A shortened rifle that trades some range for lighter weight and easier handling. Trained users fire it well from vehicles, doorways and other tight spots.'),
  ('Shotgun', 'Gun Combat', 7, 13, 'A smoothbore gun firing shot or slugs. Devastating at short range and forgiving of a poor aim, it falls out of favour on worlds with more advanced weapons.'),
  ('Auto Rifle', 'Gun Combat', 7, 15, 'A military rifle able to fire single shots or automatic bursts. The skill covers controlling recoil, conserving ammunition and laying down suppressing fire.'),
  ('Laser Weapons', 'Gun Combat', 9, 15, 'Covers the laser carbine and laser rifle. Laser fire is silent, recoilless and precise, but the weapons need a heavy power pack and are hampered by smoke and fog.'),
  ('Gauss Rifle', 'Gun Combat', 12, 15, 'A rifle that hurls small needles with magnetic coils at tremendous speed. Only advanced worlds make it; trained shooters gain great accuracy and armour penetration.'),
  ('Plasma Gun', 'Gun Combat', 14, 15, 'A heavy weapon firing bolts of superheated plasma, issued to troops in powered armour on the most advanced worlds. The skill covers aiming it and managing its heat and power.');

-- Gunnery.
INSERT INTO Skills (Name, Special, TLLow, TLHigh, Description) VALUES
  ('Ships Autocannon', 'Gunnery', 7, 10, 'Rapid-firing projectile guns mounted on early spacecraft. Crude by later standards, they remain useful against small craft until lasers replace them.'),
  ('Ships Missiles', 'Gunnery', 7, 15, 'Launching and guiding ship missiles. The gunner picks targets, times salvoes and steers warheads past point defences.'),
  ('Ships Lasers', 'Gunnery', 8, 15, 'Firing turret lasers, the most common starship weapon. A skilled gunner hits at long range and uses the lasers to shoot down incoming missiles.'),
  ('Ships Particle Accelerators', 'Gunnery', 9, 15, 'Operating particle accelerators that fire beams of charged particles. They hit hard and leave radiation behind, but demand careful power management from the gunner.'),
  ('Ships Screens', 'Gunnery', 10, 15, 'Running a warship''s defensive screens, such as nuclear dampers and meson screens. The operator tunes them against incoming fire to reduce the damage the ship takes.'),
  ('Ships Energy Weapons', 'Gunnery', 12, 15, 'Operating plasma and fusion guns on large warships. These bay and spinal weapons deliver enormous damage at shorter ranges and must be aimed with the ship itself.'),
  ('Ships Meson Weapons', 'Gunnery', 13, 15, 'Firing meson guns, whose beams decay inside the target and bypass armour. Found only on the most advanced capital ships, they need a specialist''s touch.');

-- Blade Combat. These are also the weapons given as mustering-out benefits.
INSERT INTO Skills (Name, Special, TLLow, TLHigh, Description) VALUES
  ('Dagger', 'Blade Combat', 7, 15, 'A short stabbing knife, easy to hide in a boot or sleeve. The skill covers quick thrusts, parries and throwing it at close range.'),
  ('Bayonet', 'Blade Combat', 7, 15, 'A blade fixed to the muzzle of a rifle, turning the gun into a short spear. Trained soldiers use it when ammunition runs out or a fight closes to arm''s length.'),
  ('Foil', 'Blade Combat', 7, 15, 'A light, flexible thrusting sword favoured by duellists and the nobility. Skill with it brings speed and elegant footwork rather than raw force.'),
  ('Sword', 'Blade Combat', 7, 15, 'A straight, double-edged sword of middling weight. It cuts and thrusts equally well and is a common sidearm for officers on ceremonial duty.'),
  ('Cutlass', 'Blade Combat', 7, 15, 'A heavy, curved blade long carried aboard ships. Its short length suits fighting in corridors and it is standard issue for boarding parties.'),
  ('Broadsword', 'Blade Combat', 7, 15, 'A large two-handed sword that needs strength to wield. Slow to swing, but a skilled fighter can cut through light armour with it.'),
  ('Halberd', 'Blade Combat', 7, 12, 'An axe blade and spike on a long pole, kept mostly by honour guards on older worlds. It gives reach over swords but is awkward in confined spaces.'),
  ('Cudgel', 'Blade Combat', 7, 15, 'A club or baton for beating rather than cutting. Police and guards use it to subdue people without killing them.'),
  ('Stunstick', 'Blade Combat', 9, 15, 'A baton that delivers a disabling electric shock on contact. Knowing how to use it lets the character knock out an opponent with little lasting harm.'),
  ('Vibro Blade', 'Blade Combat', 12, 15, 'A knife or short sword whose edge vibrates at high frequency, slicing through armour and bulkhead seals. Only advanced worlds produce it, and careless handling is dangerous.');

-- Vehicle.
INSERT INTO Skills (Name, Special, TLLow, TLHigh, Description) VALUES
  ('Wheeled Vehicle', 'Vehicle', 7, 15, 'Driving cars, trucks and other wheeled transport on roads and open ground. It covers fast driving, chases and keeping control on poor surfaces.'),
  ('Tracked Vehicle', 'Vehicle', 7, 13, 'Driving tracked machines such as tanks and crawlers over rough terrain. They give way to grav vehicles on the most advanced worlds.'),
  ('Watercraft', 'Vehicle', 7, 15, 'Handling boats, ships and submersibles on seas, lakes and rivers. The skill covers steering in rough water, docking and basic seamanship.'),
  ('Prop Aircraft', 'Vehicle', 7, 9, 'Flying propeller-driven aeroplanes. Common only on less developed worlds, where they serve as bush planes and crop sprayers.'),
  ('Jet Aircraft', 'Vehicle', 7, 12, 'Flying jet-powered aeroplanes at high speed and altitude. They remain in use until grav craft make runways unnecessary.'),
  ('Helicopter', 'Vehicle', 7, 11, 'Flying rotary-wing aircraft that can hover and land almost anywhere. Useful for rescue and transport on worlds that lack anti-gravity.'),
  ('Grav Vehicle', 'Vehicle', 9, 15, 'Driving grav belts, speeders and heavy grav tanks that float on anti-gravity lifters. The skill covers flying low and fast and handling them in combat.');

-- Weapon group members, covered by Handgun or Laser Weapons.
INSERT INTO Skills (Name, Special, TLLow, TLHigh, Description) VALUES
  ('Automatic Pistol', 'Handgun', 0, 99, 'A self-loading pistol fed from a magazine in the grip. Quick to reload and fire, it is the standard sidearm of many navies and police forces.'),
  ('Revolver', 'Handgun', 0, 99, 'A pistol with a rotating cylinder of chambers. Simple and reliable, though slower to reload than an automatic.'),
  ('Body Pistol', 'Handgun', 0, 99, 'A tiny pistol made of non-metallic parts, built to slip past weapon scanners. Its punch is small, but it can be carried where no other gun can.'),
  ('Snub Pistol', 'Handgun', 0, 99, 'A short-barrelled, low-recoil pistol designed for use aboard ships and in zero gravity. Its low-velocity rounds are unlikely to puncture hulls.'),
  ('Laser Carbine', 'Laser Weapons', 0, 99, 'A lighter laser weapon linked to a belt or backpack power supply. It has less range than the rifle but is easier to carry and aim quickly.'),
  ('Laser Rifle', 'Laser Weapons', 0, 99, 'A full-sized laser long arm with a heavy power pack. It reaches further and hits harder than the carbine at the cost of bulk.');
