<?xml version="1.0" encoding="UTF-8"?>
<!--
  The categories of one IMS Meta-Data 1.2 record written as an IEEE LOM record, in the order and forms of
  tagsmith's SCORM 2004 writers: general, lifeCycle, metaMetadata, technical, educational, rights, relation,
  annotation, classification. Shared by metadataTransform.xsl and manifestTransform.xsl, which import it.

  A category that occurs twice in the 1.2 record is written once with the content of both; an element the LOM
  binding allows once takes the first one (a title, a version, a rights description takes the strings of all).
  A category that would hold no text at all is left out, but for general and metaMetadata.
  1.2 elements that have no LOM counterpart are left out. The record is marked as SCORM 2004 by the metadata
  schemas "LOMv1.0" and "SCORM_CAM_v1.3", as the SCORM 2004 writers mark theirs.
-->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns="http://ltsc.ieee.org/xsd/LOM">

  <xsl:include href="lomValues.xsl"/>
  <xsl:include href="lomDates.xsl"/>
  <xsl:include href="lomVcard.xsl"/>

  <!-- The content of the LOM record for the 1.2 record $record: the root element of a record (its name does
       not matter), or one category standing alone. -->
  <xsl:template name="lom.categories">
    <xsl:param name="record"/>
    <xsl:variable name="cats" select="$record | $record/*"/>
    <xsl:variable name="md" select="$cats[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:call-template name="lom.general">
      <xsl:with-param name="src" select="$md[translate(local-name(), 'GENRAL', 'genral') = 'general']"/>
    </xsl:call-template>
    <xsl:call-template name="lom.lifeCycle">
      <xsl:with-param name="src" select="$md[translate(local-name(), 'LIFECY', 'lifecy') = 'lifecycle']"/>
    </xsl:call-template>
    <xsl:call-template name="lom.metaMetadata">
      <xsl:with-param name="src" select="$md[translate(local-name(), 'METAD', 'metad') = 'metametadata']"/>
    </xsl:call-template>
    <xsl:call-template name="lom.technical">
      <xsl:with-param name="src" select="$md[translate(local-name(), 'TECHNIAL', 'technial') = 'technical']"/>
    </xsl:call-template>
    <xsl:call-template name="lom.educational">
      <xsl:with-param name="src" select="$md[translate(local-name(), 'EDUCATIONL', 'educationl') = 'educational']"/>
    </xsl:call-template>
    <xsl:call-template name="lom.rights">
      <xsl:with-param name="src" select="$md[translate(local-name(), 'RIGHTS', 'rights') = 'rights']"/>
    </xsl:call-template>
    <xsl:for-each select="$md[translate(local-name(), 'RELATION', 'relation') = 'relation']">
      <xsl:call-template name="lom.relation"/>
    </xsl:for-each>
    <xsl:for-each select="$md[translate(local-name(), 'ANOTI', 'anoti') = 'annotation']">
      <xsl:call-template name="lom.annotation"/>
    </xsl:for-each>
    <xsl:for-each select="$md[translate(local-name(), 'CLASIFTON', 'clasifton') = 'classification']">
      <xsl:call-template name="lom.classification"/>
    </xsl:for-each>
    <xsl:call-template name="lom.foreign">
      <xsl:with-param name="parents" select="$record[not(contains('|general|lifecycle|metametadata|technical|educational|rights|relation|annotation|classification|', concat('|', translate(local-name(), $uc, $lc), '|')))]"/>
    </xsl:call-template>
  </xsl:template>

  <!-- Always written, with at least a title, so that every converted file has a general category to open. -->
  <xsl:template name="lom.general">
    <xsl:param name="src"/>
    <xsl:variable name="k" select="$src/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <general>
      <title>
        <xsl:call-template name="lom.strings">
          <xsl:with-param name="src" select="$k[translate(local-name(), 'TILE', 'tile') = 'title']"/>
        </xsl:call-template>
      </title>
      <xsl:call-template name="lom.identifiers">
        <xsl:with-param name="src" select="$k[translate(local-name(), 'IDENTFR', 'identfr') = 'identifier' or translate(local-name(), 'CATLOGENRY', 'catlogenry') = 'catalogentry']"/>
      </xsl:call-template>
      <xsl:call-template name="lom.languages">
        <xsl:with-param name="src" select="$k[translate(local-name(), 'LANGUE', 'langue') = 'language']"/>
      </xsl:call-template>
      <xsl:for-each select="$k[translate(local-name(), 'DESCRIPTON', 'descripton') = 'description']">
        <xsl:call-template name="lom.langString"><xsl:with-param name="src" select="."/><xsl:with-param name="name" select="'description'"/></xsl:call-template>
      </xsl:for-each>
      <xsl:for-each select="$k[translate(local-name(), 'KEYWORD', 'keyword') = 'keyword']">
        <xsl:call-template name="lom.langString"><xsl:with-param name="src" select="."/><xsl:with-param name="name" select="'keyword'"/></xsl:call-template>
      </xsl:for-each>
      <xsl:for-each select="$k[translate(local-name(), 'COVERAG', 'coverag') = 'coverage']">
        <xsl:call-template name="lom.langString"><xsl:with-param name="src" select="."/><xsl:with-param name="name" select="'coverage'"/></xsl:call-template>
      </xsl:for-each>
      <xsl:call-template name="lom.vocab">
        <xsl:with-param name="node" select="$k[translate(local-name(), 'STRUCE', 'struce') = 'structure']"/>
        <xsl:with-param name="name" select="'structure'"/>
        <xsl:with-param name="table" select="$v.structure"/>
      </xsl:call-template>
      <xsl:call-template name="lom.vocab">
        <xsl:with-param name="node" select="$k[translate(local-name(), 'AGRETIONLV', 'agretionlv') = 'aggregationlevel']"/>
        <xsl:with-param name="name" select="'aggregationLevel'"/>
        <xsl:with-param name="table" select="$v.aggregationLevel"/>
      </xsl:call-template>
      <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="$src"/></xsl:call-template>
    </general>
  </xsl:template>

  <xsl:template name="lom.lifeCycle">
    <xsl:param name="src"/>
    <xsl:variable name="k" select="$src/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:if test="$src">
      <xsl:variable name="body">
        <xsl:call-template name="lom.langString">
          <xsl:with-param name="src" select="$k[translate(local-name(), 'VERSION', 'version') = 'version']"/>
          <xsl:with-param name="name" select="'version'"/>
        </xsl:call-template>
        <xsl:call-template name="lom.vocab">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'STAU', 'stau') = 'status']"/>
          <xsl:with-param name="name" select="'status'"/>
          <xsl:with-param name="table" select="$v.status"/>
        </xsl:call-template>
        <xsl:for-each select="$k[translate(local-name(), 'CONTRIBUE', 'contribue') = 'contribute']">
          <xsl:call-template name="lom.contribute">
            <xsl:with-param name="roles" select="$v.role"/>
            <xsl:with-param name="otherRole" select="'unknown'"/>
          </xsl:call-template>
        </xsl:for-each>
        <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="$src"/></xsl:call-template>
      </xsl:variable>
      <xsl:if test="normalize-space($body) != ''">
        <lifeCycle><xsl:copy-of select="$body"/></lifeCycle>
      </xsl:if>
    </xsl:if>
  </xsl:template>

  <!-- One contribution (the context node): role, one entity per vCard (of its centity elements, or of its
       entity elements where the record uses the LOM form), date. -->
  <xsl:template name="lom.contribute">
    <xsl:param name="roles"/>
    <xsl:param name="otherRole"/>
    <xsl:variable name="k" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <contribute>
      <xsl:call-template name="lom.vocab">
        <xsl:with-param name="node" select="$k[translate(local-name(), 'ROLE', 'role') = 'role']"/>
        <xsl:with-param name="name" select="'role'"/>
        <xsl:with-param name="table" select="$roles"/>
        <xsl:with-param name="fallback" select="$otherRole"/>
      </xsl:call-template>
      <xsl:call-template name="lom.entities">
        <xsl:with-param name="src" select="$k[translate(local-name(), 'CENTIY', 'centiy') = 'centity' or translate(local-name(), 'ENTIY', 'entiy') = 'entity']"/>
      </xsl:call-template>
      <xsl:call-template name="lom.date">
        <xsl:with-param name="node" select="$k[translate(local-name(), 'DATE', 'date') = 'date']"/>
      </xsl:call-template>
      <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
    </contribute>
  </xsl:template>

  <!-- Always written: it carries the two metadata schemas that mark the record as SCORM 2004. The 1.2
       record's own schemas (such as "ADL SCORM 1.2") no longer describe it and are replaced by those two;
       the schemas of other profiles it names (such as "CanCore 1.0") are kept after them. -->
  <xsl:template name="lom.metaMetadata">
    <xsl:param name="src"/>
    <xsl:variable name="k" select="$src/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <!-- The valid language tags, each followed by a blank: LOM gives the record one, the first. -->
    <xsl:variable name="languages">
      <xsl:for-each select="$k[translate(local-name(), 'LANGUE', 'langue') = 'language']">
        <xsl:variable name="language">
          <xsl:call-template name="lom.language"><xsl:with-param name="raw" select="."/></xsl:call-template>
        </xsl:variable>
        <xsl:if test="$language != ''"><xsl:value-of select="concat($language, ' ')"/></xsl:if>
      </xsl:for-each>
    </xsl:variable>
    <metaMetadata>
      <xsl:call-template name="lom.identifiers">
        <xsl:with-param name="src" select="$k[translate(local-name(), 'IDENTFR', 'identfr') = 'identifier' or translate(local-name(), 'CATLOGENRY', 'catlogenry') = 'catalogentry']"/>
      </xsl:call-template>
      <xsl:for-each select="$k[translate(local-name(), 'CONTRIBUE', 'contribue') = 'contribute']">
        <xsl:call-template name="lom.contribute">
          <xsl:with-param name="roles" select="$v.roleMeta"/>
          <xsl:with-param name="otherRole" select="''"/>
        </xsl:call-template>
      </xsl:for-each>
      <metadataSchema>LOMv1.0</metadataSchema>
      <metadataSchema>SCORM_CAM_v1.3</metadataSchema>
      <xsl:variable name="schemas"
          select="$k[translate(local-name(), 'METADSCH', 'metadsch') = 'metadatascheme' or translate(local-name(), 'METADSCH', 'metadsch') = 'metadataschema'][normalize-space(.) != '']"/>
      <xsl:variable name="replaced"
          select="$schemas[contains(., '1.2') or contains('|lomv1.0|scormcamv1.3|', concat('|', translate(normalize-space(.), concat($uc, ' -_'), $lc), '|'))]"/>
      <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$replaced"/></xsl:call-template>
      <xsl:for-each select="$schemas[count(. | $replaced) != count($replaced)]">
        <metadataSchema><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></metadataSchema>
      </xsl:for-each>
      <xsl:if test="string($languages) != ''">
        <xsl:variable name="language" select="substring-before($languages, ' ')"/>
        <language>
          <xsl:call-template name="lom.from">
            <xsl:with-param name="nodes" select="$k[translate(local-name(), 'LANGUE', 'langue') = 'language'][translate(normalize-space(.), '_', '-') = $language][1]"/>
          </xsl:call-template>
          <xsl:value-of select="$language"/>
        </language>
      </xsl:if>
      <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="$src"/></xsl:call-template>
    </metaMetadata>
  </xsl:template>

  <xsl:template name="lom.technical">
    <xsl:param name="src"/>
    <xsl:variable name="k" select="$src/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="sizes"
        select="$k[translate(local-name(), 'SIZE', 'size') = 'size'][normalize-space(.) != ''][translate(normalize-space(.), '0123456789', '') = '']"/>
    <xsl:if test="$src">
      <xsl:variable name="body">
        <xsl:for-each select="$k[translate(local-name(), 'FORMAT', 'format') = 'format'][normalize-space(.) != '']">
          <format><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></format>
        </xsl:for-each>
        <xsl:if test="$sizes">
          <size><xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$sizes[1]"/></xsl:call-template><xsl:value-of select="normalize-space($sizes[1])"/></size>
        </xsl:if>
        <xsl:for-each select="$k[translate(local-name(), 'LOCATIN', 'locatin') = 'location']">
          <location><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></location>
        </xsl:for-each>
        <!-- A requirement in the LOM form holds its alternatives in orComposite elements: one requirement each. -->
        <xsl:for-each select="$k[translate(local-name(), 'REQUIMNT', 'requimnt') = 'requirement']">
          <xsl:variable name="or" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'ORCMPSITE', 'orcmpsite') = 'orcomposite']"/>
          <xsl:for-each select="$or | self::node()[not($or)]">
            <xsl:call-template name="lom.requirement"/>
          </xsl:for-each>
        </xsl:for-each>
        <xsl:call-template name="lom.langString">
          <xsl:with-param name="src" select="$k[translate(local-name(), 'INSTALOREMK', 'instaloremk') = 'installationremarks']"/>
          <xsl:with-param name="name" select="'installationRemarks'"/>
        </xsl:call-template>
        <xsl:for-each select="$k[translate(local-name(), 'OTHERPLAFMQUINS', 'otherplafmquins') = 'otherplatformrequirements']">
          <xsl:call-template name="lom.langString"><xsl:with-param name="src" select="."/><xsl:with-param name="name" select="'otherPlatformRequirements'"/></xsl:call-template>
        </xsl:for-each>
        <xsl:call-template name="lom.duration">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'DURATION', 'duration') = 'duration']"/>
          <xsl:with-param name="name" select="'duration'"/>
        </xsl:call-template>
        <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="$src"/></xsl:call-template>
      </xsl:variable>
      <xsl:if test="normalize-space($body) != ''">
        <technical><xsl:copy-of select="$body"/></technical>
      </xsl:if>
    </xsl:if>
  </xsl:template>

  <!-- One 1.2 requirement (the context node) as a <requirement> with one <orComposite>, as the SCORM 2004
       writers write each requirement. The name is read in the vocabulary of the type; a name that is in
       neither is left out together with its versions. -->
  <xsl:template name="lom.requirement">
    <xsl:variable name="k" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="typeNode" select="$k[translate(local-name(), 'TYPE', 'type') = 'type']"/>
    <xsl:variable name="nameNode" select="$k[translate(local-name(), 'NAME', 'name') = 'name']"/>
    <xsl:variable name="typeRaw">
      <xsl:call-template name="lom.vocabPart"><xsl:with-param name="node" select="$typeNode"/><xsl:with-param name="part" select="'value'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="type">
      <xsl:call-template name="lom.lookup"><xsl:with-param name="raw" select="$typeRaw"/><xsl:with-param name="table" select="$v.type"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="names">
      <xsl:choose>
        <xsl:when test="$type = 'operating system'"><xsl:value-of select="$v.os"/></xsl:when>
        <xsl:when test="$type = 'browser'"><xsl:value-of select="$v.browser"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="concat($v.os, substring($v.browser, 2))"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="guesses">
      <xsl:choose>
        <xsl:when test="$type = 'operating system'"><xsl:value-of select="$g.os"/></xsl:when>
        <xsl:when test="$type = 'browser'"><xsl:value-of select="$g.browser"/></xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="name">
      <xsl:call-template name="lom.vocab">
        <xsl:with-param name="node" select="$nameNode"/>
        <xsl:with-param name="name" select="'name'"/>
        <xsl:with-param name="table" select="$names"/>
        <xsl:with-param name="guesses" select="$guesses"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="versions"
        select="$k[translate(local-name(), 'MINUVERSO', 'minuverso') = 'minimumversion'][1] | $k[translate(local-name(), 'MAXIUVERSON', 'maxiuverson') = 'maximumversion'][1]"/>
    <xsl:variable name="keepVersions" select="not($nameNode) or string($name) != ''"/>
    <xsl:if test="string($type) != '' or string($name) != '' or ($versions and $keepVersions)">
      <requirement>
        <orComposite>
          <xsl:call-template name="lom.vocab">
            <xsl:with-param name="node" select="$typeNode"/>
            <xsl:with-param name="name" select="'type'"/>
            <xsl:with-param name="table" select="$v.type"/>
          </xsl:call-template>
          <xsl:copy-of select="$name"/>
          <xsl:if test="$keepVersions">
            <xsl:for-each select="$versions">
              <xsl:choose>
                <xsl:when test="translate(local-name(), 'MINUVERSO', 'minuverso') = 'minimumversion'">
                  <minimumVersion><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></minimumVersion>
                </xsl:when>
                <xsl:otherwise>
                  <maximumVersion><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></maximumVersion>
                </xsl:otherwise>
              </xsl:choose>
            </xsl:for-each>
          </xsl:if>
        </orComposite>
        <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
      </requirement>
    </xsl:if>
  </xsl:template>

  <xsl:template name="lom.educational">
    <xsl:param name="src"/>
    <xsl:variable name="k" select="$src/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:if test="$src">
      <xsl:variable name="body">
        <xsl:call-template name="lom.vocab">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'INTERACVYP', 'interacvyp') = 'interactivitytype']"/>
          <xsl:with-param name="name" select="'interactivityType'"/>
          <xsl:with-param name="table" select="$v.interactivityType"/>
        </xsl:call-template>
        <xsl:for-each select="$k[translate(local-name(), 'LEARNIGSOUCTYP', 'learnigsouctyp') = 'learningresourcetype']">
          <xsl:call-template name="lom.vocab">
            <xsl:with-param name="node" select="."/>
            <xsl:with-param name="name" select="'learningResourceType'"/>
            <xsl:with-param name="table" select="$v.resourceType"/>
          </xsl:call-template>
        </xsl:for-each>
        <xsl:call-template name="lom.vocab">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'INTERACVYL', 'interacvyl') = 'interactivitylevel']"/>
          <xsl:with-param name="name" select="'interactivityLevel'"/>
          <xsl:with-param name="table" select="$v.level"/>
        </xsl:call-template>
        <xsl:call-template name="lom.vocab">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'SEMANTICDY', 'semanticdy') = 'semanticdensity']"/>
          <xsl:with-param name="name" select="'semanticDensity'"/>
          <xsl:with-param name="table" select="$v.level"/>
        </xsl:call-template>
        <xsl:for-each select="$k[translate(local-name(), 'INTEDUSROL', 'intedusrol') = 'intendedenduserrole']">
          <xsl:call-template name="lom.vocab">
            <xsl:with-param name="node" select="."/>
            <xsl:with-param name="name" select="'intendedEndUserRole'"/>
            <xsl:with-param name="table" select="$v.endUserRole"/>
          </xsl:call-template>
        </xsl:for-each>
        <xsl:for-each select="$k[translate(local-name(), 'CONTEX', 'contex') = 'context']">
          <xsl:call-template name="lom.vocab">
            <xsl:with-param name="node" select="."/>
            <xsl:with-param name="name" select="'context'"/>
            <xsl:with-param name="table" select="$v.context"/>
            <xsl:with-param name="guesses" select="$g.context"/>
            <xsl:with-param name="fallback" select="'other'"/>
          </xsl:call-template>
        </xsl:for-each>
        <xsl:for-each select="$k[translate(local-name(), 'TYPICALGERN', 'typicalgern') = 'typicalagerange']">
          <xsl:call-template name="lom.langString"><xsl:with-param name="src" select="."/><xsl:with-param name="name" select="'typicalAgeRange'"/></xsl:call-template>
        </xsl:for-each>
        <xsl:call-template name="lom.vocab">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'DIFCULTY', 'difculty') = 'difficulty']"/>
          <xsl:with-param name="name" select="'difficulty'"/>
          <xsl:with-param name="table" select="$v.difficulty"/>
        </xsl:call-template>
        <xsl:call-template name="lom.duration">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'TYPICALERNGM', 'typicalerngm') = 'typicallearningtime']"/>
          <xsl:with-param name="name" select="'typicalLearningTime'"/>
        </xsl:call-template>
        <xsl:for-each select="$k[translate(local-name(), 'DESCRIPTON', 'descripton') = 'description']">
          <xsl:call-template name="lom.langString"><xsl:with-param name="src" select="."/><xsl:with-param name="name" select="'description'"/></xsl:call-template>
        </xsl:for-each>
        <xsl:call-template name="lom.languages">
          <xsl:with-param name="src" select="$k[translate(local-name(), 'LANGUE', 'langue') = 'language']"/>
        </xsl:call-template>
        <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="$src"/></xsl:call-template>
      </xsl:variable>
      <xsl:if test="normalize-space($body) != ''">
        <educational><xsl:copy-of select="$body"/></educational>
      </xsl:if>
    </xsl:if>
  </xsl:template>

  <xsl:template name="lom.rights">
    <xsl:param name="src"/>
    <xsl:variable name="k" select="$src/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:if test="$src">
      <xsl:variable name="body">
        <xsl:call-template name="lom.vocab">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'COST', 'cost') = 'cost']"/>
          <xsl:with-param name="name" select="'cost'"/>
          <xsl:with-param name="table" select="$v.yesNo"/>
        </xsl:call-template>
        <xsl:call-template name="lom.vocab">
          <xsl:with-param name="node" select="$k[translate(local-name(), 'COPYRIGHTANDES', 'copyrightandes') = 'copyrightandotherrestrictions']"/>
          <xsl:with-param name="name" select="'copyrightAndOtherRestrictions'"/>
          <xsl:with-param name="table" select="$v.yesNo"/>
        </xsl:call-template>
        <xsl:call-template name="lom.langString">
          <xsl:with-param name="src" select="$k[translate(local-name(), 'DESCRIPTON', 'descripton') = 'description']"/>
          <xsl:with-param name="name" select="'description'"/>
        </xsl:call-template>
        <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="$src"/></xsl:call-template>
      </xsl:variable>
      <xsl:if test="normalize-space($body) != ''">
        <rights><xsl:copy-of select="$body"/></rights>
      </xsl:if>
    </xsl:if>
  </xsl:template>

  <!-- One relation (the context node): kind, and the related resource with its identifiers and description. -->
  <xsl:template name="lom.relation">
    <xsl:variable name="k" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="resource" select="$k[translate(local-name(), 'RESOUC', 'resouc') = 'resource'][1]"/>
    <xsl:variable name="r" select="$resource/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="body">
      <xsl:call-template name="lom.vocab">
        <xsl:with-param name="node" select="$k[translate(local-name(), 'KIND', 'kind') = 'kind']"/>
        <xsl:with-param name="name" select="'kind'"/>
        <xsl:with-param name="table" select="$v.kind"/>
      </xsl:call-template>
      <xsl:if test="$resource">
        <resource>
          <xsl:call-template name="lom.identifiers">
            <xsl:with-param name="src" select="$r[translate(local-name(), 'IDENTFR', 'identfr') = 'identifier' or translate(local-name(), 'CATLOGENRY', 'catlogenry') = 'catalogentry']"/>
          </xsl:call-template>
          <xsl:call-template name="lom.langString">
            <xsl:with-param name="src" select="$r[translate(local-name(), 'DESCRIPTON', 'descripton') = 'description']"/>
            <xsl:with-param name="name" select="'description'"/>
          </xsl:call-template>
          <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="$resource"/></xsl:call-template>
        </resource>
      </xsl:if>
      <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
    </xsl:variable>
    <xsl:if test="normalize-space($body) != ''">
      <relation><xsl:copy-of select="$body"/></relation>
    </xsl:if>
  </xsl:template>

  <!-- One annotation (the context node): the annotating person (or LOM entity), date, description. -->
  <xsl:template name="lom.annotation">
    <xsl:variable name="k" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="body">
      <xsl:call-template name="lom.entities">
        <xsl:with-param name="src" select="$k[translate(local-name(), 'PERSON', 'person') = 'person' or translate(local-name(), 'ENTIY', 'entiy') = 'entity'][1]"/>
        <xsl:with-param name="max" select="1"/>
      </xsl:call-template>
      <xsl:call-template name="lom.date">
        <xsl:with-param name="node" select="$k[translate(local-name(), 'DATE', 'date') = 'date']"/>
      </xsl:call-template>
      <xsl:call-template name="lom.langString">
        <xsl:with-param name="src" select="$k[translate(local-name(), 'DESCRIPTON', 'descripton') = 'description']"/>
        <xsl:with-param name="name" select="'description'"/>
      </xsl:call-template>
      <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
    </xsl:variable>
    <xsl:if test="normalize-space($body) != ''">
      <annotation><xsl:copy-of select="$body"/></annotation>
    </xsl:if>
  </xsl:template>

  <!-- One classification (the context node). A 1.2 taxon path nests its taxa; LOM lists them in order. -->
  <xsl:template name="lom.classification">
    <xsl:variable name="k" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="body">
      <xsl:call-template name="lom.vocab">
        <xsl:with-param name="node" select="$k[translate(local-name(), 'PUROSE', 'purose') = 'purpose']"/>
        <xsl:with-param name="name" select="'purpose'"/>
        <xsl:with-param name="table" select="$v.purpose"/>
      </xsl:call-template>
      <xsl:for-each select="$k[translate(local-name(), 'TAXONPH', 'taxonph') = 'taxonpath']">
        <xsl:variable name="p" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
        <taxonPath>
          <xsl:call-template name="lom.langString">
            <xsl:with-param name="src" select="$p[translate(local-name(), 'SOURCE', 'source') = 'source'][1]"/>
            <xsl:with-param name="name" select="'source'"/>
          </xsl:call-template>
          <xsl:for-each select=".//*[translate(local-name(), 'TAXON', 'taxon') = 'taxon'][contains($md.ns, concat('|', namespace-uri(), '|'))]">
            <xsl:variable name="t" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
            <taxon>
              <xsl:for-each select="$t[translate(local-name(), 'ID', 'id') = 'id'][1]">
                <id><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></id>
              </xsl:for-each>
              <xsl:call-template name="lom.langString">
                <xsl:with-param name="src" select="$t[translate(local-name(), 'ENTRY', 'entry') = 'entry'][1]"/>
                <xsl:with-param name="name" select="'entry'"/>
              </xsl:call-template>
              <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
            </taxon>
          </xsl:for-each>
          <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
        </taxonPath>
      </xsl:for-each>
      <xsl:call-template name="lom.langString">
        <xsl:with-param name="src" select="$k[translate(local-name(), 'DESCRIPTON', 'descripton') = 'description']"/>
        <xsl:with-param name="name" select="'description'"/>
      </xsl:call-template>
      <xsl:for-each select="$k[translate(local-name(), 'KEYWORD', 'keyword') = 'keyword']">
        <xsl:call-template name="lom.langString"><xsl:with-param name="src" select="."/><xsl:with-param name="name" select="'keyword'"/></xsl:call-template>
      </xsl:for-each>
      <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
    </xsl:variable>
    <xsl:if test="normalize-space($body) != ''">
      <classification><xsl:copy-of select="$body"/></classification>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
