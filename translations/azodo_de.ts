<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>Wing</name>
    <message numerus="yes">
        <source>zu wenige Punkte (%n), mindestens 3</source>
        <translation>
            <numerusform>zu wenige Punkte (%n), mindestens 3</numerusform>
            <numerusform>zu wenige Punkte (%n), mindestens 3</numerusform>
        </translation>
    </message>
</context>
</TS>
